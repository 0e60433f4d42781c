#pragma once

#include "report/ReportTemplate.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;
class ReportDataSource;
class ReportEngine;

// Opening the report designer.
//
//   // a list report over the main window's records: datasets "frxDM", variables
//   // " 自定义变量" with sCurKHname, memoDate, memoCaption
//   DesignReport("frKDfahuoList", records);
//
//   // a waybill: its own datasets, the eight dispatch variables, the courier's picture
//   DesignRequest r;
//   r.datasets = {{recipients, "frxMain"}, {courierImages, "frxImage"}};
//   r.variables = DesignerVariables::waybillVariables();
//   r.scannedPicture = courier.picturePath;
//   r.waybill = true;
//   DesignReport(courier.templateName, r);
//
// The designer works on the shared report object (ReportEngine::shared()); after it
// closes, that object holds the template as last saved.
struct DesignerDataset
{
    std::shared_ptr<ReportDataSource> source;
    QString component;  // the dataset component's name bands may use, e.g. "frxMain"
    QString name;       // the name in templates; empty: the source's own
};

struct DesignRequest
{
    // Bound on the report object before the designer opens (replacing bindings of the
    // same name); bindings made earlier by the caller stay.
    std::vector<DesignerDataset> datasets;
    // Replaces the template's variables; without a list: the three custom variables.
    std::optional<QList<ReportVariable>> variables;
    // The courier's scanned paper form, placed by "载入快递单图片".
    QString scannedPicture;
    // A waybill template: a new one starts with the band "MDmain".
    bool waybill = false;
};

// The template file of a report name: the report folder + name + ".fr3"; a path
// (with a folder or the extension) is taken as it is.
QString DesignerTemplateFile(const QString &reportNameOrFile);

// Everything before the window opens: loads the template (a missing file leaves an
// empty report without a file name), replaces the variables and binds the datasets.
// False when the file is not a template (the engine has shown why).
bool PrepareDesign(ReportEngine &engine, const QString &reportNameOrFile, const DesignRequest &request);

// Opens the designer modally on the template; true when it was saved there.
bool DesignReport(const QString &reportNameOrFile, const DesignRequest &request = {}, QWidget *parent = nullptr);
// The list-report form: the dataset is seen by templates as "frxDM".
bool DesignReport(const QString &reportNameOrFile, std::shared_ptr<ReportDataSource> dataset, QWidget *parent = nullptr);
