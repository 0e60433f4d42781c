#include "report/ui/TfrmReportPreview.h"

#include "report/ui/PreviewPageView.h"

#include "report/ReportExport.h"
#include "report/ReportPrinting.h"

#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

struct ExportKind
{
    const char *key;
    const char *caption;
    const char *filter;
};

constexpr ExportKind kExports[] = {
    {"pdf", "PDF 文件...", "PDF 文件 (*.pdf)"},
    {"png", "PNG 图片...", "PNG 图片 (*.png)"},
    {"jpg", "JPEG 图片...", "JPEG 图片 (*.jpg)"},
    {"bmp", "BMP 图片...", "BMP 图片 (*.bmp)"},
    {"csv", "CSV 文件（分号分隔）...", "CSV 文件 (*.csv)"},
    {"txt", "文本文件...", "文本文件 (*.txt)"},
    {"html", "HTML 文件...", "HTML 文件 (*.html)"},
};

const QList<int> kZoomSteps = {25, 50, 75, 100, 150, 200, 300, 400};

} // namespace

TfrmReportPreview::TfrmReportPreview(std::shared_ptr<PreparedReport> report, QWidget *parent)
    : QDialog(parent), m_report(std::move(report))
{
    setObjectName(QStringLiteral("TfrmReportPreview"));
    setWindowTitle(QStringLiteral("预览") + (m_report && !m_report->title.isEmpty() ? QStringLiteral(" - ") + m_report->title : QString()));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setModal(true);

    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(QStringLiteral("打印"), this, &TfrmReportPreview::btnPrintClick)->setShortcut(QKeySequence::Print);

    auto *exportButton = new QToolButton(bar);
    exportButton->setObjectName(QStringLiteral("btnExport"));
    exportButton->setText(QStringLiteral("导出"));
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto *exportMenu = new QMenu(exportButton);
    for (const ExportKind &k : kExports) {
        const QString key = QString::fromLatin1(k.key);
        exportMenu->addAction(QString::fromUtf8(k.caption), this, [this, key] { btnExportClick(key); });
    }
    exportButton->setMenu(exportMenu);
    bar->addWidget(exportButton);

    m_pageSetup = new QToolButton(bar);
    m_pageSetup->setObjectName(QStringLiteral("btnPageSetup"));
    m_pageSetup->setText(QStringLiteral("页面设置"));
    m_pageSetup->setEnabled(false);
    connect(m_pageSetup, &QToolButton::clicked, this, &TfrmReportPreview::btnPageSetupClick);
    bar->addWidget(m_pageSetup);
    bar->addSeparator();

    m_zoom = new QComboBox(bar);
    m_zoom->setObjectName(QStringLiteral("cbbZoom"));
    for (int z : kZoomSteps)
        m_zoom->addItem(QStringLiteral("%1%").arg(z), z);
    m_zoom->addItem(QStringLiteral("页宽"), -1);
    m_zoom->addItem(QStringLiteral("整页"), -2);
    m_zoom->setCurrentIndex(kZoomSteps.indexOf(100));
    connect(m_zoom, &QComboBox::activated, this, &TfrmReportPreview::applyZoomChoice);
    bar->addWidget(new QLabel(QStringLiteral(" 缩放 "), bar));
    bar->addWidget(m_zoom);
    bar->addSeparator();

    bar->addAction(QStringLiteral("首页"), this, [this] { goToPage(0); });
    bar->addAction(QStringLiteral("上页"), this, [this] { goToPage(currentPage() - 1); });
    m_pageNo = new QSpinBox(bar);
    m_pageNo->setObjectName(QStringLiteral("sePage"));
    m_pageNo->setMinimum(1);
    connect(m_pageNo, &QSpinBox::valueChanged, this, [this](int v) {
        if (v - 1 != currentPage())
            goToPage(v - 1);
    });
    bar->addWidget(m_pageNo);
    m_pageCount = new QLabel(bar);
    bar->addWidget(m_pageCount);
    bar->addAction(QStringLiteral("下页"), this, [this] { goToPage(currentPage() + 1); });
    bar->addAction(QStringLiteral("末页"), this, [this] { goToPage(m_report ? m_report->pageCount() - 1 : 0); });
    bar->addSeparator();

    m_find = new QLineEdit(bar);
    m_find->setObjectName(QStringLiteral("edtFind"));
    m_find->setPlaceholderText(QStringLiteral("查找文字"));
    m_find->setMaximumWidth(180);
    connect(m_find, &QLineEdit::returnPressed, this, &TfrmReportPreview::btnFindClick);
    connect(m_find, &QLineEdit::textChanged, this, [this] { m_hitItem = -1; });
    bar->addWidget(m_find);
    bar->addAction(QStringLiteral("查找"), this, &TfrmReportPreview::btnFindClick)->setShortcut(QKeySequence::Find);
    bar->addSeparator();
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::reject);

    m_view = new PreviewPageView;
    m_view->setReport(m_report);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    QPalette around = m_scroll->palette();
    around.setColor(QPalette::Dark, QColor(128, 128, 128));  // the page view's own background
    m_scroll->setPalette(around);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_scroll, 1);
    updateNavigation();
}

void TfrmReportPreview::setReprepare(Reprepare r)
{
    m_reprepare = std::move(r);
    m_pageSetup->setEnabled(bool(m_reprepare));
}

int TfrmReportPreview::currentPage() const
{
    return m_view->page();
}

void TfrmReportPreview::goToPage(int page)
{
    if (!m_report || m_report->pageCount() == 0)
        return;
    page = std::clamp(page, 0, m_report->pageCount() - 1);
    if (page != m_view->page())
        m_view->setPage(page);
    m_scroll->verticalScrollBar()->setValue(0);
    updateNavigation();
}

double TfrmReportPreview::zoom() const
{
    return m_view->zoom();
}

void TfrmReportPreview::setZoom(double zoom)
{
    m_view->setZoom(zoom);
    const int percent = qRound(m_view->zoom() * 100);
    const int index = m_zoom->findData(percent);
    if (index >= 0)
        m_zoom->setCurrentIndex(index);
}

void TfrmReportPreview::applyZoomChoice(int index)
{
    const int v = m_zoom->itemData(index).toInt();
    if (v == -1)
        m_view->setZoom(m_view->zoomForWidth(m_scroll->viewport()->width()));
    else if (v == -2)
        m_view->setZoom(m_view->zoomForPage(m_scroll->viewport()->size()));
    else
        m_view->setZoom(v / 100.0);
}

void TfrmReportPreview::updateNavigation()
{
    const int count = m_report ? m_report->pageCount() : 0;
    QSignalBlocker block(m_pageNo);
    m_pageNo->setMaximum(std::max(1, count));
    m_pageNo->setValue(currentPage() + 1);
    m_pageCount->setText(QStringLiteral(" / %1 页 ").arg(count));
}

bool TfrmReportPreview::findNext(const QString &text)
{
    if (!m_report || text.isEmpty())
        return false;
    const QList<ReportExport::TextHit> hits = ReportExport::find(*m_report, text);
    if (hits.isEmpty())
        return false;
    ReportExport::TextHit next = hits.first();
    for (const ReportExport::TextHit &h : hits)
        if (h.page > m_hitPage || (h.page == m_hitPage && h.item > m_hitItem)) {
            next = h;
            break;
        }
    m_hitPage = next.page;
    m_hitItem = next.item;
    goToPage(next.page);
    m_view->setMarked(next.item);
    return true;
}

void TfrmReportPreview::btnFindClick()
{
    const QString text = m_find->text();
    if (text.isEmpty()) {
        m_find->setFocus();
        return;
    }
    if (!findNext(text))
        ShowMess(QStringLiteral("没有找到“%1”。").arg(text), MessInfo);
}

void TfrmReportPreview::btnPrintClick()
{
    if (!m_report || m_report->pageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinting::setPaper(printer, m_report->pages.front());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, m_report->pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 0, to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        from = to = currentPage() + 1;
    }
    UiHooks::BusyScope busy;
    if (!ReportPrinting::print(*m_report, printer, from, to))
        ShowMess(QStringLiteral("打印失败，请检查打印机。"), MessError);
}

bool TfrmReportPreview::exportTo(const QString &format, const QString &fileName)
{
    if (!m_report)
        return false;
    QString error;
    bool ok = false;
    UiHooks::BusyScope busy;
    if (format == QLatin1String("pdf"))
        ok = ReportExport::toPdf(*m_report, fileName, true, &error);
    else if (format == QLatin1String("png") || format == QLatin1String("jpg") || format == QLatin1String("bmp"))
        ok = ReportExport::toImages(*m_report, fileName, 150, nullptr, &error);
    else if (format == QLatin1String("csv"))
        ok = ReportExport::toCsv(*m_report, fileName, &error);
    else if (format == QLatin1String("txt"))
        ok = ReportExport::toText(*m_report, fileName, &error);
    else if (format == QLatin1String("html"))
        ok = ReportExport::toHtml(*m_report, fileName, &error);
    if (!ok)
        ShowMess(QStringLiteral("导出失败：%1").arg(error), MessError);
    return ok;
}

void TfrmReportPreview::btnExportClick(const QString &format)
{
    const ExportKind *kind = nullptr;
    for (const ExportKind &k : kExports)
        if (format == QLatin1String(k.key))
            kind = &k;
    if (!kind || !m_report)
        return;
    UiHooks::FileRequest req;
    req.title = QStringLiteral("导出");
    req.filter = QString::fromUtf8(kind->filter);
    req.folder = ProgramFolder::path();
    req.fileName = (m_report->title.isEmpty() ? QStringLiteral("报表") : m_report->title) + QLatin1Char('.') + format;
    const std::optional<QString> file = UiHooks::saveFile(req);
    if (!file || file->isEmpty())
        return;
    QString name = *file;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + format;
    exportTo(format, name);
}

void TfrmReportPreview::btnPageSetupClick()
{
    if (!m_reprepare || !m_report || m_report->pageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinting::setPaper(printer, m_report->pages[size_t(currentPage())]);
    if (const ReportPage *p = m_report->pages[size_t(currentPage())].page)
        printer.setPageMargins(QMarginsF(p->leftMargin, p->topMargin, p->rightMargin, p->bottomMargin), QPageLayout::Millimeter);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (auto again = m_reprepare(printer.pageLayout())) {
        m_report = again;
        m_view->setReport(m_report);
        m_hitItem = -1;
        updateNavigation();
    }
}

void TfrmReportPreview::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_PageDown: goToPage(currentPage() + 1); return;
    case Qt::Key_PageUp: goToPage(currentPage() - 1); return;
    case Qt::Key_Home:
        if (e->modifiers() & Qt::ControlModifier) {
            goToPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (e->modifiers() & Qt::ControlModifier) {
            goToPage(m_report ? m_report->pageCount() - 1 : 0);
            return;
        }
        break;
    default: break;
    }
    QDialog::keyPressEvent(e);
}

void TfrmReportPreview::wheelEvent(QWheelEvent *e)
{
    if (e->modifiers() & Qt::ControlModifier) {
        setZoom(zoom() * (e->angleDelta().y() > 0 ? 1.25 : 0.8));
        e->accept();
        return;
    }
    QDialog::wheelEvent(e);
}
