#include "report/ui/DesignerPreviewDialog.h"

#include "report/PreparedReport.h"
#include "report/ReportExport.h"

#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

DesignerPreviewDialog::DesignerPreviewDialog(std::shared_ptr<PreparedReport> report, QWidget *parent)
    : QDialog(parent), m_report(std::move(report))
{
    setObjectName(QStringLiteral("DesignerPreviewDialog"));
    setWindowTitle(QStringLiteral("预览 - %1 页").arg(m_report ? m_report->pageCount() : 0));
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *zoom = new QComboBox(this);
    for (int z : {50, 75, 100, 150, 200})
        zoom->addItem(QStringLiteral("%1%").arg(z), z / 100.0);
    zoom->setCurrentIndex(2);
    auto *pdf = new QPushButton(QStringLiteral("导出 PDF..."), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    bar->addWidget(new QLabel(QStringLiteral("缩放"), this));
    bar->addWidget(zoom);
    bar->addStretch();
    bar->addWidget(pdf);
    bar->addWidget(close);
    layout->addLayout(bar);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto *inner = new QWidget(scroll);
    m_pages = new QVBoxLayout(inner);
    m_pages->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pages->setSpacing(12);
    scroll->setWidget(inner);
    layout->addWidget(scroll);
    connect(zoom, &QComboBox::activated, this, [this, zoom] { showPages(zoom->currentData().toDouble()); });
    connect(pdf, &QPushButton::clicked, this, &DesignerPreviewDialog::exportPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showPages(1);
    resize(900, 700);
}

void DesignerPreviewDialog::showPages(double zoom)
{
    while (QLayoutItem *item = m_pages->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!m_report || m_report->pageCount() == 0) {
        m_pages->addWidget(new QLabel(QStringLiteral("报表没有页面。"), this));
        return;
    }
    const double dpi = logicalDpiX() * zoom;
    for (int i = 0; i < m_report->pageCount(); ++i) {
        auto *page = new QLabel(this);
        page->setPixmap(QPixmap::fromImage(ReportExport::pageImage(*m_report, i, dpi, true)));
        page->setFrameShape(QFrame::Box);
        m_pages->addWidget(page);
    }
}

void DesignerPreviewDialog::exportPdf()
{
    if (!m_report)
        return;
    const auto file = UiHooks::saveFile({QStringLiteral("导出 PDF"), QStringLiteral("PDF 文件 (*.pdf)"),
                                         ProgramFolder::path(), m_report->title + QStringLiteral(".pdf")});
    if (!file)
        return;
    QString error;
    if (!ReportExport::toPdf(*m_report, *file, true, &error))
        ShowMess(QStringLiteral("导出失败：%1").arg(error), MessError);
}
