// The Optara dialog's behaviour: showing the model, capturing keys, pointing out key
// problems, switching the target and saving.
#include "settings/optara/OptaraDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "settings/optara/DefaultFileOffer.h"
#include "settings/optara/KeyBox.h"

namespace tarn::optara {
namespace {

// At most this many problems are listed in the confirmation before saving.
constexpr std::size_t kListedProblems = 8;

SettingsBuild OtherBuild(SettingsBuild build) {
    return build == SettingsBuild::Normal ? SettingsBuild::LowSpec : SettingsBuild::Normal;
}

std::string BuildAndFile(const OptaraModel& model, SettingsBuild build) {
    return std::string(BuildLabel(build)) + "（" + model.FileOf(build).filename().string() + "）";
}

}  // namespace

OptaraDialog::OptaraDialog(OptaraModel& model, Messenger& messenger, QWidget* parent)
    : QDialog(parent), model_(model), messenger_(messenger) {
    setWindowTitle(QString::fromUtf8(kOptaraTitle));
    setFont(QFont(QStringLiteral("VL PGothic"), 10));
    BuildControls();
    list_->setCurrentRow(0);
    ShowTarget();

    connect(list_, &QListWidget::currentRowChanged, this, &OptaraDialog::ShowConfig);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowConfig(list_->row(item)); });
    for (KeyBox* box : boxes_) {
        connect(box, &KeyBox::KeyPressed, this, &OptaraDialog::OnKeyPressed);
        connect(box, &KeyBox::KeyReleased, this, &OptaraDialog::OnKeyReleased);
        connect(box, &KeyBox::FocusLost, this, &OptaraDialog::OnFocusLost);
    }
    connect(frameRate_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.SetFrameRateIndex(index); });
    connect(color_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.SetColorIndex(index); });
    connect(normal_, &QRadioButton::toggled, this,
            [this](bool chosen) { OnTargetChosen(SettingsBuild::Normal, chosen); });
    connect(lowSpec_, &QRadioButton::toggled, this,
            [this](bool chosen) { OnTargetChosen(SettingsBuild::LowSpec, chosen); });
    connect(ok_, &QPushButton::clicked, this, &OptaraDialog::OnOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

OptaraDialog::~OptaraDialog() {
    // The controls outlive this part of the dialog and still signal (a key box losing the
    // focus as it goes); nothing of it may answer them any more.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

void OptaraDialog::ShowConfig(int configNo) {
    if (configNo < 0) {
        return;
    }
    model_.ChooseConfig(configNo);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        Box(slot)->setText(QString::fromStdString(model_.SlotName(slot)));
    }
    ShowProblems();
}

// Everything that belongs to the target: its lists, its file's name and the keys of the
// configuration chosen in the list.
void OptaraDialog::ShowTarget() {
    {
        const QSignalBlocker blockNormal(normal_);
        const QSignalBlocker blockLowSpec(lowSpec_);
        normal_->setChecked(model_.Target() == SettingsBuild::Normal);
        lowSpec_->setChecked(model_.Target() == SettingsBuild::LowSpec);
    }
    frameRate_->setCurrentIndex(model_.FrameRateIndex());
    color_->setCurrentIndex(model_.ColorIndex());
    const std::filesystem::path file = model_.TargetFile();
    targetFile_->setText(QString::fromUtf8("編集中: ") +
                         QString::fromStdString(file.filename().string()));
    targetFile_->setToolTip(QString::fromStdString(file.string()));
    ShowConfig(list_->currentRow());
}

void OptaraDialog::ShowProblems() {
    const std::vector<KeyProblem> problems = model_.Problems(model_.ConfigNo());
    std::array<KeyBox::Mark, kSlotCount> marks{};
    std::array<QStringList, kSlotCount> reasons;
    QStringList lines;
    bool serious = false;
    for (const KeyProblem& problem : problems) {
        const auto mark = problem.NeedsConfirmation() ? KeyBox::Mark::Problem : KeyBox::Mark::Note;
        for (const int slot : problem.keySlots) {
            auto& slotMark = marks[static_cast<std::size_t>(slot)];
            if (slotMark != KeyBox::Mark::Problem) {
                slotMark = mark;
            }
            reasons[static_cast<std::size_t>(slot)] << QString::fromStdString(problem.text);
        }
        lines << QString::fromStdString(problem.text);
        serious = serious || problem.NeedsConfirmation();
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        Box(slot)->SetMark(marks[static_cast<std::size_t>(slot)]);
        Box(slot)->setToolTip(reasons[static_cast<std::size_t>(slot)].join(QLatin1Char('\n')));
    }
    QString line = lines.isEmpty() ? QString() : lines.front();
    if (lines.size() > 1) {
        line += QString::fromUtf8("（ほか%1件）").arg(lines.size() - 1);
    }
    const QFontMetrics metrics(problemLine_->font());
    problemLine_->setText(metrics.elidedText(line, Qt::ElideRight, problemLine_->width()));
    problemLine_->setToolTip(lines.join(QLatin1Char('\n')));
    QPalette colours = problemLine_->palette();
    colours.setColor(QPalette::WindowText, serious ? QColor(0xb0, 0, 0) : QColor(0x80, 0x60, 0));
    problemLine_->setPalette(colours);
}

void OptaraDialog::OnKeyPressed(int slot, std::optional<int> code) {
    leaveLastBoxOnRelease_ = false;
    if (model_.Capture(slot, code) != CaptureResult::Stored) {
        messenger_.Show(model_.RefusalMessage(slot, code), kOptaraTitle, MessageIcon::Warning);
        Box(slot)->setFocus();
        return;
    }
    Box(slot)->setText(QString::fromStdString(model_.SlotName(slot)));
    ShowProblems();
    if (slot < kSlotCount - 1) {
        Box(slot + 1)->setFocus();
    } else {
        // Moving on at once would hand the still-held key's repeats to OK.
        leaveLastBoxOnRelease_ = true;
    }
}

void OptaraDialog::OnKeyReleased(int slot) {
    if (slot == kSlotCount - 1 && leaveLastBoxOnRelease_) {
        leaveLastBoxOnRelease_ = false;
        // Framed as the default button, OK shows plainly where the focus went; Enter there
        // saves.
        ok_->setDefault(true);
        ok_->setFocus(Qt::TabFocusReason);
    }
}

void OptaraDialog::OnFocusLost(int slot) {
    leaveLastBoxOnRelease_ = false;
    Box(slot)->setText(QString::fromStdString(model_.SlotName(slot)));
}

void OptaraDialog::OnTargetChosen(SettingsBuild build, bool chosen) {
    if (!chosen || build == model_.Target()) {
        return;
    }
    SettingsWarnings warnings;
    const SettingsStatus status = model_.ChooseTarget(build, warnings);
    if (status != SettingsStatus::Ok) {
        // Declining goes back to the target being edited, its edits untouched.
        if (OfferDefaultFile(model_, messenger_, build, status, "戻る")) {
            (void)model_.ChooseTarget(build, warnings);
        }
    }
    ShowEach(messenger_, warnings);
    ShowTarget();
}

bool OptaraDialog::ConfirmProblems(SettingsBuild target, bool withOther) {
    std::vector<std::string> lines;
    for (const SettingsBuild build : {target, OtherBuild(target)}) {
        if (build != target && !withOther) {
            continue;
        }
        for (const std::string& line : model_.ProblemsToConfirm(build)) {
            lines.push_back(withOther ? std::string(BuildLabel(build)) + " " + line : line);
        }
    }
    if (lines.empty()) {
        return true;
    }
    std::string text = "次のキー設定には問題があります。このまま保存しますか？\n";
    for (std::size_t i = 0; i < lines.size() && i < kListedProblems; ++i) {
        text += "\n・" + lines[i];
    }
    if (lines.size() > kListedProblems) {
        text += "\n（ほか" + std::to_string(lines.size() - kListedProblems) + "件）";
    }
    const Question question{.text = text,
                            .title = kOptaraTitle,
                            .icon = MessageIcon::Warning,
                            .choices = {"保存する", "戻る"},
                            .defaultChoice = 1,
                            .escapeChoice = 1};
    return messenger_.Ask(question) == 0;
}

void OptaraDialog::OnOk() {
    const SettingsBuild target = model_.Target();
    const SettingsBuild other = OtherBuild(target);
    bool withOther = false;
    if (model_.HasUnsavedChanges(other)) {
        const Question question{
            .text = BuildAndFile(model_, other) + "の変更がまだ保存されていません。",
            .title = kOptaraTitle,
            .icon = MessageIcon::Warning,
            .choices = {"両方保存する", BuildLabel(target) + std::string("だけ保存する"), "戻る"},
            .defaultChoice = 0,
            .escapeChoice = 2};
        const int answer = messenger_.Ask(question);
        if (answer == 2) {
            return;
        }
        withOther = answer == 0;
    }
    if (!ConfirmProblems(target, withOther)) {
        return;
    }
    for (const SettingsBuild build : {target, other}) {
        if (build == other && !withOther) {
            continue;
        }
        const SettingsStatus status = model_.Save(build);
        if (status != SettingsStatus::Ok) {
            ShowFailure(status, model_.FileOf(build));
            return;
        }
    }
    accept();
}

void OptaraDialog::ShowFailure(SettingsStatus status, const std::filesystem::path& file) {
    messenger_.Show(SettingsMessage(status, file, model_.LastFileReason()), kOptaraTitle,
                    MessageIcon::Error);
}

}  // namespace tarn::optara
