// Where a printed page goes: the default printer, or a PDF file for checks without one.
#pragma once

#include <QImage>
#include <QString>

namespace tarn::editor {

class PagePrinter {
  public:
    virtual ~PagePrinter() = default;
    // Prints one page with the picture at its origin; false with a message on failure.
    virtual bool PrintPage(const QImage& picture, QString& error) = 0;
};

// QPrinter on the system's default printer, or PDF output when pdfPath is not empty.
class QtPagePrinter : public PagePrinter {
  public:
    explicit QtPagePrinter(QString pdfPath = {}) : pdfPath_(std::move(pdfPath)) {}
    bool PrintPage(const QImage& picture, QString& error) override;

  private:
    QString pdfPath_;
};

}  // namespace tarn::editor
