#pragma once

#include "report/ui/DesignerPageSettings.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

// Paper size (A4, A5, B5, DL envelope or custom width × height), orientation,
// margins and the print offset, in millimetres.
class DesignerPageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DesignerPageDialog(const DesignerPageSettings &s, QWidget *parent = nullptr);
    DesignerPageSettings settings() const;

private:
    void paperChosen();
    void orientationChosen();

    QComboBox *m_paper;
    QDoubleSpinBox *m_width, *m_height;
    QRadioButton *m_portrait, *m_landscape;
    QDoubleSpinBox *m_left, *m_top, *m_right, *m_bottom, *m_offsetX, *m_offsetY;
};
