// The controls of the Optara dialog and their layout. The controls sit on one panel of
// fixed size; a window manager that resizes the dialog anyway only adds margin around it.
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
#include "settings/optara/OptaraDialog.h"

namespace tarn::optara {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const char* const kUnusedVolume =
    "ゲームはこの音量設定を使いません（設定ファイルにも保存されません）";

QSlider* VolumeSlider(const char* name) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(Text(name));
    slider->setRange(0, 10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    slider->setToolTip(Text(kUnusedVolume));
    return slider;
}

QLabel* SmallGreyLabel(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSize(9);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0x50, 0x50, 0x50));
    label->setPalette(colours);
    return label;
}

}  // namespace

QWidget* OptaraDialog::BuildKeyColumn() {
    auto* column = new QWidget;
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto* box = new KeyBox(slot);
        box->setObjectName(QStringLiteral("Text1_%1").arg(slot));
        box->setFixedWidth(150);
        boxes_[static_cast<std::size_t>(slot)] = box;
        grid->addWidget(new QLabel(Text(kSlotLabels[static_cast<std::size_t>(slot)])), slot, 0);
        grid->addWidget(box, slot, 1);
    }
    // Every key is a possible binding, so the way out of the boxes is the mouse, or
    // capturing the last box's key.
    auto* hint = SmallGreyLabel(Text("キーを押すと次の欄へ。最後の欄の後は OK へ"));
    hint->setObjectName(QStringLiteral("KeyHint"));
    grid->addWidget(hint, kSlotCount, 0, 1, 2);
    return column;
}

QWidget* OptaraDialog::BuildSettingsColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

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
    layout->addLayout(defaults);

    auto* target = new QGroupBox(Text("設定先"));
    normal_ = new QRadioButton(Text("通常版"));
    normal_->setObjectName(QStringLiteral("Option1_1"));
    normal_->setChecked(true);
    lowSpec_ = new QRadioButton(Text("ロースペック版"));
    lowSpec_->setObjectName(QStringLiteral("Option1_0"));
    targetFile_ = SmallGreyLabel({});
    targetFile_->setObjectName(QStringLiteral("TargetFile"));
    auto* targetLayout = new QVBoxLayout(target);
    targetLayout->addWidget(normal_);
    targetLayout->addWidget(lowSpec_);
    targetLayout->addWidget(targetFile_);
    layout->addWidget(target);

    auto* volume = new QGroupBox(Text("音量設定"));
    volume->setToolTip(Text(kUnusedVolume));
    bgm_ = VolumeSlider("BGM");
    se_ = VolumeSlider("SE");
    auto* volumeLayout = new QGridLayout(volume);
    volumeLayout->addWidget(new QLabel(Text("BGM：")), 0, 0);
    volumeLayout->addWidget(bgm_, 0, 1);
    volumeLayout->addWidget(new QLabel(Text("SE：")), 1, 0);
    volumeLayout->addWidget(se_, 1, 1);
    layout->addWidget(volume);
    layout->addStretch();
    return column;
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

    auto* top = new QHBoxLayout;
    top->addLayout(configColumn);
    top->addWidget(BuildKeyColumn(), 0, Qt::AlignTop);
    top->addWidget(BuildSettingsColumn(), 0, Qt::AlignTop);

    // One line under the boxes says what is wrong with the shown configuration's keys.
    problemLine_ = new QLabel;
    problemLine_->setObjectName(QStringLiteral("ProblemLine"));
    // It takes the panel's width and never widens it: long texts are cut short.
    problemLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    problemLine_->setFixedHeight(problemLine_->fontMetrics().height() + 4);

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

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addLayout(top);
    panelLayout->addWidget(problemLine_);
    panelLayout->addLayout(buttons);
    panelLayout->setSizeConstraint(QLayout::SetFixedSize);

    auto* whole = new QGridLayout(this);
    whole->addWidget(panel, 0, 0, Qt::AlignCenter);
    whole->setSizeConstraint(QLayout::SetFixedSize);
    whole->activate();  // gives the problem line its width before anything is shown
}

}  // namespace tarn::optara
