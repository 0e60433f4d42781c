#pragma once

#include "report/ReportBand.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// A band's kind (when adding), name, height and, for a master band, its dataset
// and row count (without a dataset the band prints row-count times).
class DesignerBandDialog : public QDialog
{
    Q_OBJECT

public:
    struct Values
    {
        ReportBand::Kind kind = ReportBand::Kind::MasterData;
        QString name;
        double heightMm = 20;
        QString dataset;  // empty: none
        int rowCount = 1;
    };
    // adding: the kind can be chosen and proposeName gives the name for each kind.
    DesignerBandDialog(bool adding, const Values &v, const QStringList &datasets,
                       std::function<QString(ReportBand::Kind)> proposeName, QWidget *parent = nullptr);
    Values values() const;

private:
    void kindChosen();

    std::function<QString(ReportBand::Kind)> m_propose;
    QComboBox *m_kind;
    QLineEdit *m_name;
    QDoubleSpinBox *m_height;
    QComboBox *m_dataset;
    QSpinBox *m_rows;
};
