#pragma once

#include <QDialog>
#include <QImage>

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class QToolBar;

// The waybill picture viewer: the operator loads, inspects at fifteen zoom steps,
// exports or clears the scanned picture of a courier's paper waybill and leaves
// with "保存" (the picture shown now is the choice) or "取消" (nothing changes).
// It writes nothing to the database.
class TfrmImageDisp : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmImageDisp(QWidget *parent = nullptr);

    // Shows the viewer modally over a starting picture; the file name of the
    // picture shown when left with "保存", else the starting name.
    QString ShowViewer(const QString &fileName, const QImage &picture);
    // What ShowViewer does before the form is shown.
    void PrepareViewer(const QString &fileName, const QImage &picture);

    // Shows the picture of a file; false (nothing changes) when the file is
    // missing or cannot be read, the latter after a message.
    bool LoadPictureFile(const QString &fileName);
    // With reset: level 9 and the picture's own size; else the picture's size at
    // the factor.
    void ApplyZoom(bool reset, double factor = 1.0);
    void UpdateStatus();

    QString fileName() const { return m_fileName; }
    QImage picture() const { return m_picture; }
    int zoomLevel() const { return m_level; }
    bool isFullScreenView() const { return m_full; }
    QString statusText(int panel) const;  // panels counted from 1

    // The export file's name: a known picture extension is kept, anything else
    // gets ".jpg" added.
    static QString exportFileName(const QString &chosen);

    QMenuBar *MainMenu1;
    QToolBar *ToolBar1;
    QScrollArea *ScrollBox1;
    QWidget *Panel1;
    QLabel *Image1;
    QStatusBar *StatusBar1;
    QAction *ActAdd;
    QAction *ActExport;
    QAction *ActClear;
    QAction *ActMax;
    QAction *ActMin;
    QAction *ActOld;
    QAction *ActFull;
    QAction *ActSave;
    QAction *ActCancel;

public Q_SLOTS:
    void ActAddExecute();
    void ActExportExecute();
    void ActClearExecute();
    void ActMaxExecute();
    void ActMinExecute();
    void ActOldExecute();
    void ActFullExecute();
    void LeaveFullScreen();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QAction *makeAction(const char *name, const QString &caption, int icon);
    void buildMenus();
    void scroll(Qt::Orientation o, int action);

    QString m_fileName;
    QImage m_picture;
    int m_level = 9;
    bool m_full = false;
    QList<QLabel *> m_panels;
};

// Opens the viewer over a starting picture; see TfrmImageDisp::ShowViewer.
QString ShowImageViewer(QWidget *parent, const QString &fileName, const QImage &picture);
