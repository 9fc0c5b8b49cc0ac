// Property fields at their places in the band above the canvas.
#include "editor/app/StagePropertiesFields.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolTip>

#include "editor/app/StorableTextValidator.h"
#include "editor/doc/StageDocument.h"

namespace tarn::editor {
namespace {

QLabel* MakeLabel(const QString& text, QWidget* parent, int x, int y, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 16);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FitLabelText(label);
    return label;
}

QLineEdit* MakeLine(QWidget* parent, int x, int y, int width, int height) {
    auto* line = new QLineEdit(parent);
    line->setGeometry(x, y, width, height);
    return line;
}

QComboBox* MakeList(QWidget* parent, int count, bool editable, int x, int y, int width) {
    auto* list = new QComboBox(parent);
    list->setEditable(editable);
    list->setInsertPolicy(QComboBox::NoInsert);
    if (editable) {
        // Typed text stays as typed, without inline completion from the list.
        list->setCompleter(nullptr);
    }
    for (int i = 1; i <= count; ++i) {
        list->addItem(QString::number(i));
    }
    list->setMaxVisibleItems(20);
    list->setGeometry(x, y, width, 20);
    return list;
}

}  // namespace

void FitLabelText(QLabel* label) {
    QFont font = label->font();
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > 8 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width()) {
        font.setPixelSize(--pixels);
    }
    label->setFont(font);
}

StagePropertiesFields::StagePropertiesFields(StageDocument& doc, QWidget* parent)
    : QObject(parent), doc_(doc) {
    MakeLabel(QStringLiteral("ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞ："), parent, 2, 3, 74);
    text1_ = MakeLine(parent, 76, 2, 121, 18);
    MakeLabel(QStringLiteral("ステージ名："), parent, 2, 23, 74);
    text2_ = MakeLine(parent, 76, 22, 121, 18);
    MakeLabel(QStringLiteral("制限時間："), parent, 2, 44, 74);
    times_ = new QComboBox(parent);
    times_->setEditable(true);
    times_->setInsertPolicy(QComboBox::NoInsert);
    times_->setCompleter(nullptr);  // "30" must not become "300"
    times_->addItems({"50", "100", "150", "200", "250", "300"});
    times_->setGeometry(76, 42, 121, 20);

    auto* goal1 = new QGroupBox(QStringLiteral("次のファイル名(ゴール１)"), parent);
    goal1->setGeometry(4, 66, 169, 37);
    text3_ = MakeLine(goal1, 6, 15, 157, 18);
    auto* goal2 = new QGroupBox(QStringLiteral("次のファイル名(ゴール2)"), parent);
    goal2->setGeometry(178, 66, 169, 37);
    text4_ = MakeLine(goal2, 6, 15, 157, 18);

    auto* start = new QGroupBox(QStringLiteral("スタート位置"), parent);
    start->setGeometry(204, -2, 85, 57);
    MakeLabel(QStringLiteral("X："), start, 6, 14, 18);
    stx_ = MakeList(start, kStartColumnCount, false, 24, 12, 53);
    MakeLabel(QStringLiteral("Y："), start, 6, 34, 18);
    sty_ = MakeList(start, kStartRowCount, true, 24, 32, 53);

    for (QLineEdit* field :
         {text1_, text2_, text3_, text4_, times_->lineEdit(), sty_->lineEdit()}) {
        KeepStorable(field);
    }
    connect(text1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { Edited(doc_.properties.Text1, text); });
    connect(text2_, &QLineEdit::textChanged, this,
            [this](const QString& text) { Edited(doc_.properties.Text2, text); });
    connect(text3_, &QLineEdit::textChanged, this,
            [this](const QString& text) { Edited(doc_.properties.Text3, text); });
    connect(text4_, &QLineEdit::textChanged, this,
            [this](const QString& text) { Edited(doc_.properties.Text4, text); });
    connect(stx_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_ && index >= 0 && index != doc_.properties.STX) {
            doc_.properties.STX = index;
            doc_.SetModified(true);
        }
    });
    connect(sty_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { Edited(doc_.properties.STYText, text); });
    connect(times_, &QComboBox::editTextChanged, this, &StagePropertiesFields::TimesEdited);
    connect(times_->lineEdit(), &QLineEdit::editingFinished, this,
            &StagePropertiesFields::FinishEditing);
    Refresh();
}

void StagePropertiesFields::KeepStorable(QLineEdit* field) {
    field->setValidator(new StorableTextValidator(
        [this, field](const QString& note) {
            QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), note, field);
            emit textRefused(note);
        },
        field));
}

void StagePropertiesFields::Edited(std::string& property, const QString& text) {
    if (refreshing_) {
        return;
    }
    std::string value = text.toStdString();
    if (value != property) {
        property = std::move(value);
        doc_.SetModified(true);
    }
}

// The text stays as typed while the field is edited, so an emptied field can take "90";
// it is normalised when the edit ends.
void StagePropertiesFields::TimesEdited(const QString& text) {
    Edited(doc_.properties.Times, text);
}

void StagePropertiesFields::FinishEditing() {
    const QString normalised =
        QString::fromStdString(NormaliseTimeText(times_->currentText().toStdString()));
    if (normalised != times_->currentText()) {
        times_->setEditText(normalised);
    }
}

void StagePropertiesFields::Refresh() {
    const StageProperties& properties = doc_.properties;
    refreshing_ = true;
    text1_->setText(QString::fromStdString(properties.Text1));
    text2_->setText(QString::fromStdString(properties.Text2));
    text3_->setText(QString::fromStdString(properties.Text3));
    text4_->setText(QString::fromStdString(properties.Text4));
    stx_->setCurrentIndex(properties.STX);
    const int styIndex = properties.STYIndex();
    if (styIndex >= 0) {
        sty_->setCurrentIndex(styIndex);
    }
    sty_->setEditText(QString::fromStdString(properties.STYText));
    const QString times = QString::fromStdString(properties.Times);
    const int timesIndex = times_->findText(times);
    if (timesIndex >= 0) {
        times_->setCurrentIndex(timesIndex);
    }
    times_->setEditText(times);
    refreshing_ = false;
}

}  // namespace tarn::editor
