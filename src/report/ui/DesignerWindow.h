#pragma once

#include "report/ReportTemplate.h"

#include <QMainWindow>

#include <memory>

class DesignerCanvas;
class DesignerDataPanel;
class DesignerDocument;
class DesignerPropertyPanel;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class ReportEngine;

// The report designer: the canvas in the middle, the data panel on the left, the
// property panel on the right, menus and tool bars for every command, the pointer's
// place and the selection's place and size in millimetres in the status bar.
//
// It edits the template of a report engine in place, with that engine's datasets
// for the data panel and the preview. Saving writes the template to the file it
// came from, or asks for a name in the report folder when it is new; closing with
// unsaved changes asks, and a "no" puts the template back as it was opened.
class DesignerWindow : public QMainWindow
{
    Q_OBJECT

public:
    struct Options
    {
        QString scannedPicture;  // the courier's waybill picture, offered by "载入快递单图片"
        bool waybill = false;    // a waybill template: band "MDmain" offered by default
        QString proposedFileName;  // the name save proposes for a new template
    };

    DesignerWindow(ReportEngine &engine, const Options &options, QWidget *parent = nullptr);
    ~DesignerWindow() override;

    DesignerDocument &document() { return *m_doc; }
    DesignerCanvas &canvas() { return *m_canvas; }
    DesignerDataPanel &dataPanel() { return *m_data; }

    // The commands of the menus, for callers and tests.
    bool save();
    bool saveAs();
    bool loadWaybillPicture(const QString &fileName = QString());
    void preview();
    void pageSettings();
    void addBand();
    void editBand();
    void copy();
    void cut();
    void paste();
    void insertExpression(const QString &expression);
    // True when the template was saved at least once.
    bool wasSaved() const { return m_saved; }

    // Shows the window modally and returns when it has closed; true when saved.
    bool execModal();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    QAction *action(const QString &name, const QString &text, const QKeySequence &key, void (DesignerWindow::*slot)());
    template <class F>
    QAction *action(const QString &name, const QString &text, const QKeySequence &key, F f);
    void buildActions();
    void buildMenus();
    void fillDataPanel();
    void updateTitle();
    void updateStatus();
    void updateActions();
    bool writeTo(const QString &fileName);

    ReportEngine &m_engine;
    Options m_options;
    ReportTemplate m_original;  // as opened, for closing without saving
    std::unique_ptr<DesignerDocument> m_doc;
    DesignerCanvas *m_canvas;
    DesignerPropertyPanel *m_props;
    DesignerDataPanel *m_data;
    QLabel *m_pointer, *m_selectionInfo;
    QComboBox *m_zoom;
    QActionGroup *m_tools;
    QHash<QString, QAction *> m_actions;
    bool m_saved = false;
    int m_pasteCount = 0;
    bool m_cutPending = false;
};
