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

// Marks an edit control as one for Chinese input: ApplyInputMethod gives it the
// configured input method instead of switching input methods off.
void MarkChineseInput(QWidget *edit);
bool IsChineseInput(const QWidget *edit);

// For every edit control below container (depth first; the container itself is
// not treated): Chinese-input edits keep input methods enabled and carry the
// configured input method name (property "ImeName"); every other edit control
// has input methods switched off.
void ApplyInputMethod(QWidget *container);

// Enables or disables the navigation and output buttons tbFirst, tbPrior, tbNext,
// tbLast, tbPrint, tbSet and tbExpert of a form.
void SetNavButtons(QWidget *form, bool enabled);

// A drop-down list whose text can also be typed, the way the forms' lists of
// names are: typed text is kept as text, never added to the items.
QComboBox *EditableCombo(const char *objectName, QWidget *parent);

// Fills a combo box's items with the data module's FillItems of a statement.
void FillItems(const QString &sql, const QVariantList &values, QComboBox *box);

// Selects the last item equal to text (both trimmed, compared in lower case);
// leaves the box as it is when no item is equal.
void SelectComboItem(const QString &text, QComboBox *box);
int matchingItem(const QString &text, const QStringList &items);  // -1 when none
