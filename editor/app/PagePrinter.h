// Where a printed page goes: the default printer, a PDF file, or a preview on screen.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace tarn::editor {

class PagePrinter {
  public:
    virtual ~PagePrinter() = default;
    // Whether there is a printer to print on; without one, printing offers the preview
    // and the PDF instead.
    virtual bool HasPrinter() const = 0;
    // Prints one page with the picture at its origin; false with a message on failure.
    virtual bool PrintPage(const QImage& picture, QString& error) = 0;
    // The same page as a PDF file at path.
    virtual bool SavePdf(const QImage& picture, const QString& path, QString& error) = 0;
    // The same page in a print preview with a "PDFに保存" button; true when that button
    // closed it, so the caller saves the PDF through its own checked file dialog.
    virtual bool ShowPreview(const QImage& picture, QWidget* parent) = 0;
};

// QPrinter on the system's default printer, or PDF output when pdfPath is not empty.
class QtPagePrinter : public PagePrinter {
  public:
    explicit QtPagePrinter(QString pdfPath = {}) : pdfPath_(std::move(pdfPath)) {}
    bool HasPrinter() const override;
    bool PrintPage(const QImage& picture, QString& error) override;
    bool SavePdf(const QImage& picture, const QString& path, QString& error) override;
    bool ShowPreview(const QImage& picture, QWidget* parent) override;

  private:
    QString pdfPath_;
};

}  // namespace tarn::editor
