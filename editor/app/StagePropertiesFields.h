// The seven stage property fields above the canvas, kept in step with the document's
// StageProperties: every edit goes straight into the document and marks it modified,
// Refresh() goes back.
#pragma once

#include <QObject>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarn::editor {

class StageDocument;

// Shrinks a label's font a pixel at a time until its text fits its width, so texts
// wider in this font than in the layout's measure are not cut.
void FitLabelText(QLabel* label);

class StagePropertiesFields : public QObject {
    Q_OBJECT
  public:
    // Creates the fields, their labels and frames as children of parent.
    StagePropertiesFields(StageDocument& doc, QWidget* parent);

    // Shows the document's values (after New and Open, and after a save wrote "NONE").
    void Refresh();
    // Ends an edit in progress: the time limit is normalised (as when the field loses
    // the focus) before the stage is saved, printed, exported or test-played.
    void FinishEditing();

    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QLineEdit* Text3() const { return text3_; }
    QLineEdit* Text4() const { return text4_; }
    QComboBox* STX() const { return stx_; }
    QComboBox* STY() const { return sty_; }
    QComboBox* Times() const { return times_; }

  signals:
    // Characters a stage file cannot hold were kept out of a field; note says which.
    void textRefused(const QString& note);

  private:
    // Keeps characters code page 932 cannot hold out of the field, with a note beside it.
    void KeepStorable(QLineEdit* field);
    void TimesEdited(const QString& text);
    // Stores an edited text in its property; a change marks the document modified.
    void Edited(std::string& property, const QString& text);

    StageDocument& doc_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QComboBox* stx_;
    QComboBox* sty_;
    QComboBox* times_;
    bool refreshing_ = false;
};

}  // namespace tarn::editor
