#pragma once

#include <QImage>
#include <QString>

// A picture of a paper express waybill: ruled boxes with their Chinese labels.
// `mark` is written into the corner so that two pictures can be told apart.
QImage waybillPicture(const QSize &size = QSize(870, 480), const QString &mark = QString());
