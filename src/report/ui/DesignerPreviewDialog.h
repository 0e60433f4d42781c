#pragma once

#include <QDialog>

#include <memory>

class PreparedReport;
class QVBoxLayout;

// The designer's look at the prepared report with the caller's data: the pages as
// the preview shows them (the scanned form included), and a PDF as it prints.
class DesignerPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DesignerPreviewDialog(std::shared_ptr<PreparedReport> report, QWidget *parent = nullptr);

private:
    void showPages(double zoom);
    void exportPdf();

    std::shared_ptr<PreparedReport> m_report;
    QVBoxLayout *m_pages;
};
