#pragma once

#include <QSqlDatabase>
#include <QString>

#include <vector>

// The rows a new database starts with: the sender row, the operator "admin"
// with the empty password, the rights catalogue, the custom-item captions, the
// stored grid layouts, the import mapping and the default courier types.
namespace Seed {

struct GridColumn
{
    QString field;
    QString caption;
    int width;
    bool visible;
    QString format;       // display format of cells and footer
    int footerType;       // 0 none, 1 fixed text, 2 sum
    QString footerValue;
    int alignment;        // 0 left, 1 centre, 2 right
};

struct GridLayout
{
    QString name;
    std::vector<GridColumn> columns;
};

const std::vector<GridLayout> &gridLayouts();

struct Courier
{
    const char *name;
    const char *templateName;
    const char *web;
};

const std::vector<Courier> &couriers();

bool insertAll(QSqlDatabase db, QString *error);

} // namespace Seed
