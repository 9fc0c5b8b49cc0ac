// The Optara dialog: controls, their layout, and how they drive the model.
#include "settings/optara/OptaraDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "settings/optara/KeyBox.h"

namespace tarn::optara {
namespace {

const char* const kTitle = "Morvane 2 - Optara";
const char* const kSlotLabels[kSlotCount] = {"右移動",   "左移動", "ダッシュ",
                                             "ジャンプ", "自爆",   "攻撃"};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QSlider* VolumeSlider(const char* name) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(Text(name));
    slider->setRange(0, 10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    return slider;
}

}  // namespace

OptaraDialog::OptaraDialog(OptaraModel& model, Messenger& messenger, QWidget* parent)
    : QDialog(parent), model_(model), messenger_(messenger) {
    setWindowTitle(Text(kTitle));
    setFont(QFont(QStringLiteral("VL PGothic"), 10));
    BuildControls();
    ShowLists();
    list_->setCurrentRow(0);
    ShowConfig(0);

    connect(list_, &QListWidget::currentRowChanged, this, &OptaraDialog::ShowConfig);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowConfig(list_->row(item)); });
    for (KeyBox* box : boxes_) {
        connect(box, &KeyBox::KeyPressed, this, &OptaraDialog::OnKeyPressed);
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

void OptaraDialog::BuildControls() {
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("List1"));
    for (int i = 1; i <= kConfigCount; ++i) {
        list_->addItem(QStringLiteral("Optara %1").arg(i));
    }
    list_->setFixedWidth(110);
    list_->setFixedHeight(list_->sizeHintForRow(0) * kConfigCount + 2 * list_->frameWidth() + 4);
    auto* configColumn = new QVBoxLayout;
    auto* label1 = new QLabel(QStringLiteral("Optara No"));
    label1->setObjectName(QStringLiteral("Label1"));
    configColumn->addWidget(label1);
    configColumn->addWidget(list_);
    configColumn->addStretch();

    auto* keyGrid = new QGridLayout;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto* box = new KeyBox(slot);
        box->setObjectName(QStringLiteral("Text1_%1").arg(slot));
        box->setFixedWidth(150);
        boxes_[static_cast<std::size_t>(slot)] = box;
        keyGrid->addWidget(new QLabel(Text(kSlotLabels[slot])), slot, 0);
        keyGrid->addWidget(box, slot, 1);
    }

    frameRate_ = new QComboBox;
    frameRate_->setObjectName(QStringLiteral("Combo1"));
    for (int i = 0; i < kFrameRateCount; ++i) {
        frameRate_->addItem(QString::number(FrameRateOfIndex(i)));
    }
    color_ = new QComboBox;
    color_->setObjectName(QStringLiteral("Combo2"));
    color_->addItems({QStringLiteral("8bit"), QStringLiteral("16bit")});
    auto* defaults = new QGridLayout;
    defaults->addWidget(new QLabel(QStringLiteral("FPS Default:")), 0, 0);
    defaults->addWidget(frameRate_, 0, 1);
    defaults->addWidget(new QLabel(QStringLiteral("Color Default:")), 1, 0);
    defaults->addWidget(color_, 1, 1);

    auto* target = new QGroupBox(Text("設定先"));
    normal_ = new QRadioButton(Text("通常版"));
    normal_->setObjectName(QStringLiteral("Option1_1"));
    normal_->setChecked(true);
    lowSpec_ = new QRadioButton(Text("ロースペック版"));
    lowSpec_->setObjectName(QStringLiteral("Option1_0"));
    auto* targetLayout = new QVBoxLayout(target);
    targetLayout->addWidget(normal_);
    targetLayout->addWidget(lowSpec_);

    auto* volume = new QGroupBox(Text("音量設定"));
    bgm_ = VolumeSlider("BGM");
    se_ = VolumeSlider("SE");
    auto* volumeLayout = new QGridLayout(volume);
    volumeLayout->addWidget(new QLabel(Text("BGM：")), 0, 0);
    volumeLayout->addWidget(bgm_, 0, 1);
    volumeLayout->addWidget(new QLabel(Text("SE：")), 1, 0);
    volumeLayout->addWidget(se_, 1, 1);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setAutoDefault(false);
    cancel_ = new QPushButton(Text("キャンセル"));
    cancel_->setObjectName(QStringLiteral("Command2"));
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addLayout(defaults);
    settingsColumn->addWidget(target);
    settingsColumn->addWidget(volume);
    settingsColumn->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(configColumn);
    top->addLayout(keyGrid);
    top->addLayout(settingsColumn);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

void OptaraDialog::ShowConfig(int configNo) {
    if (configNo < 0) {
        return;
    }
    model_.ChooseConfig(configNo);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        Box(slot)->setText(QString::fromStdString(model_.SlotName(slot)));
    }
}

void OptaraDialog::ShowLists() {
    frameRate_->setCurrentIndex(model_.FrameRateIndex());
    color_->setCurrentIndex(model_.ColorIndex());
}

void OptaraDialog::OnKeyPressed(int slot, std::optional<int> code) {
    if (!model_.Capture(slot, code)) {
        messenger_.Show(kInvalidKeyMessage, kTitle, MessageIcon::Warning);
        Box(slot)->setFocus();
        return;
    }
    Box(slot)->setText(QString::fromStdString(model_.SlotName(slot)));
    if (slot < kSlotCount - 1) {
        Box(slot + 1)->setFocus();
    }
}

void OptaraDialog::OnFocusLost(int slot) {
    Box(slot)->setText(QString::fromStdString(model_.SlotName(slot)));
}

void OptaraDialog::OnTargetChosen(SettingsBuild build, bool chosen) {
    if (!chosen) {
        return;
    }
    // The key boxes keep their names until a configuration is chosen again.
    SettingsWarnings warnings;
    const SettingsStatus status = model_.ChooseTarget(build, warnings);
    ShowEach(messenger_, warnings);
    if (status != SettingsStatus::Ok) {
        ShowFailure(status, model_.FileOf(build));
        done(kStopped);
        return;
    }
    ShowLists();
}

void OptaraDialog::OnOk() {
    const SettingsStatus status = model_.Save();
    if (status != SettingsStatus::Ok) {
        ShowFailure(status, model_.TargetFile());
        return;
    }
    accept();
}

void OptaraDialog::ShowFailure(SettingsStatus status, const std::filesystem::path& file) {
    messenger_.Show(SettingsMessage(status, file), kTitle, MessageIcon::Error);
}

}  // namespace tarn::optara
