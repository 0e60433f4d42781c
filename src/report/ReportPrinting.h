#pragma once

#include "report/PreparedReport.h"

class QPrinter;

// Printing prepared pages: the paper of each page as the printer's page, full page
// (origin at the paper's corner, not the printable area), 100 % scale, and the
// template's print offset.
namespace ReportPrinting {

// Pages fromPage..toPage (1-based, 0 = all). False when the printer cannot start.
bool print(const PreparedReport &r, QPrinter &printer, int fromPage = 0, int toPage = 0);
// Sets the printer's page layout to a page's paper.
void setPaper(QPrinter &printer, const PreparedPage &page);

} // namespace ReportPrinting
