#pragma once

#include <QFont>
#include <QStringList>

// The forms' 宋体 9 points; where SimSun is not installed the CJK font of the
// system stands in for it.
inline QFont formFont(int points = 9)
{
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSize(points);
    return f;
}
