#pragma once

#include "report/PreparedReport.h"

#include <QDialog>
#include <QPageLayout>

#include <functional>
#include <memory>

class PreviewPageView;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class QToolButton;

// The report preview: modal, maximised, zoom starting at 100 %, page navigation,
// find, page setup, printing (printer dialog on the default printer) and export to
// PDF, PNG, JPEG, BMP, CSV, text and HTML.
class TfrmReportPreview : public QDialog
{
    Q_OBJECT
public:
    // Prepares the report again after a page setup; null result keeps the old pages.
    using Reprepare = std::function<std::shared_ptr<PreparedReport>(const QPageLayout &layout)>;

    explicit TfrmReportPreview(std::shared_ptr<PreparedReport> report, QWidget *parent = nullptr);

    void setReprepare(Reprepare r);
    std::shared_ptr<PreparedReport> report() const { return m_report; }
    int currentPage() const;  // 0-based
    void goToPage(int page);
    double zoom() const;
    void setZoom(double zoom);
    // Finds the next item containing text after the marked one; false when there is none.
    bool findNext(const QString &text);
    // Writes one of the export formats (pdf, png, jpg, bmp, csv, txt, html) to a file.
    bool exportTo(const QString &format, const QString &fileName);

public slots:
    void btnPrintClick();
    void btnExportClick(const QString &format);
    void btnPageSetupClick();
    void btnFindClick();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    void updateNavigation();
    void applyZoomChoice(int index);

    std::shared_ptr<PreparedReport> m_report;
    Reprepare m_reprepare;
    PreviewPageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QComboBox *m_zoom = nullptr;
    QSpinBox *m_pageNo = nullptr;
    QLabel *m_pageCount = nullptr;
    QLineEdit *m_find = nullptr;
    QToolButton *m_pageSetup = nullptr;
    int m_hitPage = 0, m_hitItem = -1;
};
