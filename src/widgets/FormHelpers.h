#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// Places a form before it is shown. 2: the main window (centred, at most the
// available screen); 1: editors (centred over the active window); 0: viewers and
// statistics forms (centred on the screen). A form always ends up wholly on the
// available screen.
void DispFormPos(QWidget *form, int code);

// Fills a combo box's items with the data module's FillItems of a statement.
void FillItems(const QString &sql, const QVariantList &values, QComboBox *box);

// Selects the last item equal to text (both trimmed, compared in lower case);
// leaves the box as it is when no item is equal.
void SelectComboItem(const QString &text, QComboBox *box);
int matchingItem(const QString &text, const QStringList &items);  // -1 when none
