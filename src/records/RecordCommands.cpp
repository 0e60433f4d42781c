#include "records/RecordCommands.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "records/RecordListHost.h"
#include "records/TfrmCltEdit.h"

namespace RecordCommands {

void newRecord(RecordListHost &host, QWidget *parent)
{
    ShowEditor(host, TfrmCltEdit::New, parent);
}

void copyRecord(RecordListHost &host, QWidget *parent)
{
    if (host.recordCount() == 0) {
        ShowMess(QStringLiteral("学员档案记录是空，不能复制！"), MessInfo);
        return;
    }
    ShowEditor(host, TfrmCltEdit::Copy, parent);
}

void modifyRecord(RecordListHost &host, QWidget *parent)
{
    if (host.recordCount() == 0) {
        ShowMess(QStringLiteral("此表为空，没有售后记录需要修改！"), MessError);
        return;
    }
    ShowEditor(host, TfrmCltEdit::Modify, parent);
}

bool deleteRecord(RecordListHost &host)
{
    if (host.recordCount() == 0)
        return false;
    const int id = host.currentRecordId();
    const QString name = dmData().QueryText(QStringLiteral("select F_name from t_client where F_ID = ?"), {id});
    if (ShowMess(QStringLiteral("真的要删除当前公司名称为 “") + name + QStringLiteral("” 的快递记录吗？删除后将不能再恢复！！！"),
                 MessQuestion) == MessNo)
        return false;
    if (!dmData().ExecSql(QStringLiteral("delete from t_client where F_ID = ?"), {id}))
        return false;
    int neighbour = 0;
    if (host.moveCurrent(RecordListHost::Move::Next) || host.moveCurrent(RecordListHost::Move::Prior))
        neighbour = host.currentRecordId();
    host.reopenOn(neighbour);
    return true;
}

} // namespace RecordCommands
