#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The code picker: searches one dictionary list, picks an entry into a combo box
// and adds entries (written at once).
class TDLGcodeNewXZ : public QDialog
{
    Q_OBJECT
public:
    explicit TDLGcodeNewXZ(QWidget *parent = nullptr);

    void setTypeKey(const QString &key) { m_key = key; }
    QString typeKey() const { return m_key; }
    bool entriesAdded() const { return m_added; }

    // Shows the dialog over the box's text. After OK the chosen name becomes the
    // box's selection and is returned; otherwise the box keeps its text and the
    // result is empty. Either way the box's list is refilled when entries were added.
    QString PickCode(QComboBox *box);

    // The names listed now and the current one.
    QStringList names() const;
    QString currentName() const;

    QLineEdit *edtname;
    QPushButton *BitBtn3;
    QTableWidget *DBGridEh1;
    QPushButton *Button1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

public Q_SLOTS:
    void BitBtn3Click();
    void edtnameChange();
    void DBGridEh1DblClick();
    void Button1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRows(const QString &sql, const QVariantList &values);
    void locate(const QString &name);

    QString m_key;
    bool m_added = false;
};

// Creates the picker for a dictionary list with a caption and runs it on a box.
QString PickCode(const QString &typeKey, const QString &caption, QComboBox *box, QWidget *parent = nullptr);
