#pragma once

#include <QDate>
#include <QString>

#include <array>

// One recipient record as the record editor shows it: the saved fields as typed
// and the latest dispatch, which the editor only shows.
struct RecordValues
{
    QString code, name, sheng, city, area, address, LXRemp, postCode, GDphone, SJphone, MDaddress, empName;
    QDate date;
    bool useFlag = false;
    QString memo1;
    std::array<QString, 5> ZF;
    std::array<double, 3> SZ{0, 0, 0};
    std::array<QDate, 3> RQ;  // an invalid date: no date (stored as the empty date)

    // Latest dispatch, never written by the editor.
    QString HPname;
    double SL = 0, ZL = 0, YF = 0, BJF = 0, FYtotal = 0;
    QString FJemp;
    QString FHdate;  // "yyyy-MM-dd", empty when there is none
    QString KDtype, KDcode;
};
