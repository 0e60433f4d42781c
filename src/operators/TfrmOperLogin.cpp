#include "operators/TfrmOperLogin.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/Settings.h"
#include "widgets/FormHelpers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QPixmap bannerPicture(const QSize &size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0xdc, 0xea, 0xf8));
    g.setColorAt(1, QColor(0xff, 0xff, 0xff));
    p.fillRect(pm.rect(), g);
    p.setPen(QColor(0x9c, 0xb8, 0xd8));
    p.drawLine(0, size.height() - 1, size.width(), size.height() - 1);
    return pm;
}

QLabel *blueLabel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("color: blue;"));
    return l;
}

} // namespace

TfrmOperLogin::TfrmOperLogin(int mode, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      m_mode(mode)
{
    setObjectName(QStringLiteral("frmOperLogin"));
    setWindowTitle(QStringLiteral("登录窗口"));
    setFixedSize(338, 223);
    QFont f(QStringLiteral("SimSun"));
    f.setPointSize(9);
    setFont(f);

    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 338, 56);
    Image1->setPixmap(bannerPicture(Image1->size()));
    auto *Label5 = new QLabel(QStringLiteral("请输入正确的操作员编号及密码，系统管理员“admin”，系统初始密码为空："), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont banner(QStringLiteral("SimSun"));
    banner.setPixelSize(14);
    Label5->setFont(banner);
    Label5->setWordWrap(true);
    Label5->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
    Label5->setGeometry(12, 6, 314, 44);

    auto *Label1 = blueLabel(QStringLiteral("姓  名："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(58, 78, 60, 22);
    cbbOperName = new QComboBox(this);
    cbbOperName->setObjectName(QStringLiteral("cbbOperName"));
    cbbOperName->setEditable(true);
    cbbOperName->setGeometry(120, 76, 160, 24);
    Label1->setBuddy(cbbOperName);

    auto *Label2 = blueLabel(QStringLiteral("密  码："), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(58, 114, 60, 22);
    edtPassWord = new QLineEdit(this);
    edtPassWord->setObjectName(QStringLiteral("edtPassWord"));
    edtPassWord->setEchoMode(QLineEdit::Password);
    edtPassWord->setGeometry(120, 112, 160, 24);
    edtPassWord->setAttribute(Qt::WA_InputMethodEnabled, false);
    Label2->setBuddy(edtPassWord);

    auto *Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32, 32));
    Image2->setGeometry(24, 166, 32, 32);

    btnOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(120, 168, 80, 28);
    btnOk->setAutoDefault(false);
    btnCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(210, 168, 80, 28);
    btnCancel->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &TfrmOperLogin::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmOperLogin::btnCancelClick);
    setTabOrder(cbbOperName, edtPassWord);
    setTabOrder(edtPassWord, btnOk);
    setTabOrder(btnOk, btnCancel);

    FillItems(QStringLiteral("select F_Name from OperList where F_Name <> '' order by F_ID"), {}, cbbOperName);
    cbbOperName->setEditText(Settings::lastOperator());
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    if (cbbOperName->currentText().trimmed().isEmpty())
        cbbOperName->setFocus();
    else
        edtPassWord->setFocus();
}

void TfrmOperLogin::keyPressEvent(QKeyEvent *e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter) {
        QWidget *w = focusWidget();
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            b->click();
        } else {
            focusNextChild();  // Enter moves on as Tab does
        }
        return;
    }
    if (e->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(e);
}

void TfrmOperLogin::closeEvent(QCloseEvent *e)
{
    if (!m_leaving)
        e->ignore();  // Alt+F4 and the window manager's close are swallowed
    else
        QDialog::closeEvent(e);
}

void TfrmOperLogin::reject()
{
    if (m_leaving)
        QDialog::reject();
}

void TfrmOperLogin::finish(int result)
{
    m_leaving = true;
    done(result);
}

void TfrmOperLogin::btnOkClick()
{
    const QString name = cbbOperName->currentText();
    const Login::Check c = Login::verify(name, edtPassWord->text());
    switch (c) {
    case Login::Check::Accepted:
        Login::ApplyLogin(name);
        finish(Accepted);
        return;
    case Login::Check::WrongPassword:
        break;
    default:
        ShowMess(Login::messageFor(c), MessInfo);
        cbbOperName->setFocus();
        return;
    }
    if (m_attempts.wrongPassword() == Login::Attempts::Outcome::Retry) {
        ShowMess(QStringLiteral("用户名或密码不正确，请重新输入！"), MessInfo);
        edtPassWord->selectAll();
        edtPassWord->setFocus();
        return;
    }
    dmData().WriteLog(Login::failureLogText(m_mode));
    ShowMess(Login::failureMessage(m_mode), MessError);
    m_terminated = m_mode == Login::StartUp;
    finish(Rejected);
}

void TfrmOperLogin::btnCancelClick()
{
    m_terminated = m_mode == Login::StartUp;
    finish(Rejected);
}

bool ShowLogin(int mode, QWidget *parent)
{
    TfrmOperLogin form(mode, parent);
    return form.exec() == QDialog::Accepted;
}
