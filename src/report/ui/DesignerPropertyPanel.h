#pragma once

#include "report/ui/DesignerProperties.h"

#include <QHash>
#include <QWidget>

class DesignerDocument;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The properties of the selected objects: name, place and size in millimetres on
// the paper, text, font, alignment, word wrap, frame, fill, display format,
// printing, picture. A change applies to every selected object it fits, as one
// undo step; rows that fit none are hidden.
class DesignerPropertyPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DesignerPropertyPanel(DesignerDocument &doc, QWidget *parent = nullptr);

    // Puts the cursor into the text box (double-click on a memo).
    void editText();

private:
    void refresh();
    void apply(DesignerProperty p, const QVariant &value);
    void applyGeometry();
    void applyText();
    void addRow(DesignerProperty p, const QString &label, QWidget *field);
    QPushButton *colorButton(DesignerProperty p);
    void showColor(QPushButton *b, const QColor &c);
    void loadPicture();
    bool eventFilter(QObject *watched, QEvent *event) override;

    DesignerDocument &m_doc;
    bool m_updating = false;
    QLabel *m_title;
    QFormLayout *m_form;
    QWidget *m_geometryRow;
    QHash<DesignerProperty, QWidget *> m_rows;
    QLineEdit *m_name;
    QDoubleSpinBox *m_left, *m_top, *m_width, *m_height;
    QPlainTextEdit *m_text;
    QComboBox *m_fontName;
    QDoubleSpinBox *m_fontSize;
    QToolButton *m_bold, *m_italic, *m_underline;
    QPushButton *m_fontColor, *m_frameColor, *m_fillColor;
    QComboBox *m_hAlign, *m_vAlign;
    QCheckBox *m_wordWrap;
    QToolButton *m_frameSide[4];
    QDoubleSpinBox *m_frameWidth;
    QComboBox *m_formatKind, *m_formatString;
    QCheckBox *m_printable, *m_keepAspect;
    QComboBox *m_barType, *m_shape;
};
