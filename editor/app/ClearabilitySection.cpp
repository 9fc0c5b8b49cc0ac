// The worker thread owns a copy of the stage; it reports progress and its result to the
// section through queued calls, so all widget work stays on the window's thread.
#include "editor/app/ClearabilitySection.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointF>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/app/CanvasOverlay.h"
#include "editor/app/MapDocument.h"
#include "editor/app/PathText.h"
#include "editor/app/UserDialogs.h"
#include "editor/doc/SaveTargets.h"
#include "support/FileBytes.h"
#include "support/FileWords.h"

namespace tarn::editor {
namespace {

constexpr const char* kReplayFilter = "リプレイファイル(*.rpl)|*.rpl";

}  // namespace

ClearabilitySection::ClearabilitySection(MapDocument& document, CanvasOverlay& overlay,
                                         UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), document_(document), overlay_(overlay), dialogs_(dialogs) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout();
    start_ = new QPushButton(QStringLiteral("クリア可能か調べる"), this);
    cancel_ = new QPushButton(QStringLiteral("中止"), this);
    cancel_->setEnabled(false);
    buttons->addWidget(start_, 1);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    lowSpec_ = new QCheckBox(QStringLiteral("低スペック版 (Tarn Ver2.0Low) で調べる"), this);
    layout->addWidget(lowSpec_);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    layout->addWidget(progress_);
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label_);
    save_ = new QPushButton(QStringLiteral("リプレイとして保存..."), this);
    save_->setEnabled(false);
    layout->addWidget(save_);

    connect(start_, &QPushButton::clicked, this, &ClearabilitySection::Start);
    connect(cancel_, &QPushButton::clicked, this, &ClearabilitySection::Cancel);
    connect(save_, &QPushButton::clicked, this, &ClearabilitySection::SaveReplay);
    connect(&document_, &MapDocument::cellsChanged, this, &ClearabilitySection::Forget);
}

ClearabilitySection::~ClearabilitySection() {
    cancelled_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
}

void ClearabilitySection::Start() {
    if (Running()) {
        return;
    }
    Forget();
    auto stage = std::make_shared<StageDocument>();
    stage->EditMap = document_.Doc().EditMap;
    stage->properties = document_.Doc().properties;
    ClearabilityBounds bounds = bounds_;
    bounds.lowSpec = lowSpec_->isChecked();
    cancelled_ = false;
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    label_->setText(QStringLiteral("調べています..."));
    worker_ = std::thread([this, stage, bounds] {
        ClearabilityResult result = SearchForClear(
            *stage, bounds, &cancelled_, [this](int frame, int maxFrames, std::uint64_t states) {
                QMetaObject::invokeMethod(
                    this,
                    [this, frame, maxFrames, states] {
                        progress_->setRange(0, maxFrames);
                        progress_->setValue(std::min(frame, maxFrames));
                        progress_->setFormat(QStringLiteral("%1 / %2 フレーム（%3 状態）")
                                                 .arg(frame)
                                                 .arg(maxFrames)
                                                 .arg(states));
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)]() mutable { Finished(std::move(result)); },
            Qt::QueuedConnection);
    });
}

void ClearabilitySection::Cancel() {
    cancelled_ = true;
}

void ClearabilitySection::Finished(ClearabilityResult result) {
    if (worker_.joinable()) {
        worker_.join();
    }
    result_ = std::move(result);
    start_->setEnabled(true);
    cancel_->setEnabled(false);
    label_->setText(QString::fromStdString(result_.message));
    save_->setEnabled(result_.found);
    if (result_.found) {
        progress_->setValue(progress_->maximum());
        std::vector<QPointF> route;
        route.reserve(result_.route.size());
        for (const auto& [x, y] : result_.route) {
            route.emplace_back(x, y);
        }
        overlay_.ShowRoute(std::move(route));
    }
    emit finished();
}

void ClearabilitySection::Forget() {
    if (result_.found || !overlay_.Route().empty()) {
        result_ = {};
        overlay_.ShowRoute({});
        save_->setEnabled(false);
        label_->setText(QStringLiteral("ステージが変わりました。もう一度調べてください。"));
    }
}

bool ClearabilitySection::SaveReplay() {
    if (!result_.found) {
        return false;
    }
    // Proposed beside the stage, named after it.
    const std::string& stage = document_.Doc().CurrentFile;
    const QString proposed = stage.empty()
                                 ? QStringLiteral("clear.rpl")
                                 : PathText(PathFromBytes(stage).replace_extension(".rpl"));
    const QString name = dialogs_.GetSaveFileName(proposed, QString::fromUtf8(kReplayFilter));
    if (name.isEmpty()) {
        return false;
    }
    const std::filesystem::path path = PathOfText(name);
    const QString title = QString::fromUtf8(kMessageTitle.data(), qsizetype(kMessageTitle.size()));
    // A replay never replaces a stage or a picture of one.
    if (const auto problem = ExportTargetProblem(PathBytes(path), "リプレイ", ".rpl");
        problem || IdentifyFile(path) == FileKind::Bitmap) {
        dialogs_.Inform(
            title,
            problem ? QString::fromStdString(*problem)
                    : QStringLiteral("ビットマップをリプレイで置き換えることはできません。"),
            Severity::Error);
        return false;
    }
    FileReason why;
    if (const FileStatus status = WriteFileAtomically(path, result_.replay, &why);
        status != FileStatus::Ok) {
        dialogs_.Inform(title,
                        QStringLiteral("リプレイファイルを保存できませんでした。\n%1\n%2")
                            .arg(name, QString::fromStdString(DescribeFileJa(status, why))),
                        Severity::Error);
        return false;
    }
    return true;
}

}  // namespace tarn::editor
