#pragma once

#include <QString>

class QImage;

// One courier type as the editor writes it (a row of t_KDimage).
struct CourierType
{
    QString name;
    QString imagePath;     // full path of the waybill picture, inside images/
    bool stopped = false;  // F_useFlag: true means the type is no longer offered
    QString templateName;  // F_BBfileName: report file name without folder and extension
    QString web;           // F_KDweb: tracking site
};

// The decisions and statements of the courier type forms.
namespace CourierStore {

// The list statement: every type, or only those in use.
QString listStatement(bool includeStopped);

// F_ID of the type whose name equals `name` without regard to letter case; 0 when none.
int idOfName(const QString &name);
// Whether a name found under existingId belongs to another type than ownId
// (0 for a type not saved yet).
bool nameTaken(int existingId, int ownId);

// Only plain-web addresses are opened: the text must hold "http://" (lower case).
bool hasWebScheme(const QString &address);

// Where a chosen picture is kept: the images folder and the picture's file name.
QString pictureCopyTarget(const QString &chosenPath, const QString &imageFolder);

enum class PictureCopy { Written, KeptExisting, NothingToCopy, Failed };
// Puts the picture at target unless a file of that name is there already (that
// file is never overwritten and stays the type's picture). The source file is
// copied as it is, so the picture keeps its own format; without a source file
// the shown picture is written; with neither nothing is written.
PictureCopy storePicture(const QString &source, const QImage &shown, const QString &target);

// Inserts (id 0) or updates a type in one transaction; false, rolled back and
// logged, on failure.
bool save(const CourierType &type, int id);
// Deletes one type; its template file and picture stay where they are.
bool remove(int id);

} // namespace CourierStore
