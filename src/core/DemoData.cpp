#include "core/DemoData.h"

#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/ErrorLog.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlError>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QStringList>

namespace {

struct City
{
    const char *province;
    const char *city;
    const char *areaCode;
    const char *postcode;
    std::vector<const char *> districts;
};

const std::vector<City> &cities()
{
    static const std::vector<City> list = {
        {"北京", "北京", "010", "100000", {"朝阳区", "海淀区", "东城区", "西城区", "丰台区"}},
        {"上海", "上海", "021", "200000", {"浦东新区", "徐汇区", "静安区", "黄浦区", "闵行区"}},
        {"天津", "天津", "022", "300000", {"和平区", "河西区", "南开区", "滨海新区"}},
        {"重庆", "重庆", "023", "400000", {"渝中区", "江北区", "南岸区", "沙坪坝区"}},
        {"广东", "广州", "020", "510000", {"天河区", "越秀区", "海珠区", "白云区", "番禺区"}},
        {"广东", "深圳", "0755", "518000", {"福田区", "南山区", "罗湖区", "宝安区", "龙岗区"}},
        {"广东", "东莞", "0769", "523000", {"南城区", "东城区", "长安镇", "虎门镇"}},
        {"浙江", "杭州", "0571", "310000", {"西湖区", "上城区", "拱墅区", "滨江区", "余杭区"}},
        {"浙江", "宁波", "0574", "315000", {"海曙区", "江北区", "鄞州区", "北仑区"}},
        {"浙江", "温州", "0577", "325000", {"鹿城区", "龙湾区", "瓯海区"}},
        {"江苏", "南京", "025", "210000", {"玄武区", "秦淮区", "鼓楼区", "建邺区", "江宁区"}},
        {"江苏", "苏州", "0512", "215000", {"姑苏区", "工业园区", "吴中区", "相城区"}},
        {"江苏", "无锡", "0510", "214000", {"梁溪区", "滨湖区", "新吴区"}},
        {"山东", "济南", "0531", "250000", {"历下区", "市中区", "槐荫区", "天桥区"}},
        {"山东", "青岛", "0532", "266000", {"市南区", "市北区", "黄岛区", "崂山区"}},
        {"四川", "成都", "028", "610000", {"锦江区", "青羊区", "武侯区", "成华区", "高新区"}},
        {"湖北", "武汉", "027", "430000", {"江岸区", "武昌区", "洪山区", "汉阳区"}},
        {"湖南", "长沙", "0731", "410000", {"芙蓉区", "天心区", "岳麓区", "开福区"}},
        {"福建", "福州", "0591", "350000", {"鼓楼区", "台江区", "仓山区"}},
        {"福建", "厦门", "0592", "361000", {"思明区", "湖里区", "集美区"}},
        {"河南", "郑州", "0371", "450000", {"金水区", "中原区", "二七区", "管城区"}},
        {"河北", "石家庄", "0311", "050000", {"长安区", "桥西区", "新华区"}},
        {"陕西", "西安", "029", "710000", {"雁塔区", "碑林区", "新城区", "未央区"}},
        {"辽宁", "沈阳", "024", "110000", {"和平区", "沈河区", "皇姑区", "铁西区"}},
        {"辽宁", "大连", "0411", "116000", {"中山区", "西岗区", "沙河口区"}},
        {"安徽", "合肥", "0551", "230000", {"蜀山区", "包河区", "庐阳区"}},
        {"江西", "南昌", "0791", "330000", {"东湖区", "西湖区", "青山湖区"}},
        {"云南", "昆明", "0871", "650000", {"五华区", "盘龙区", "官渡区"}},
        {"广西", "南宁", "0771", "530000", {"青秀区", "兴宁区", "江南区"}},
        {"黑龙江", "哈尔滨", "0451", "150000", {"道里区", "南岗区", "香坊区"}},
    };
    return list;
}

const char *const kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱",
                                 "胡", "郭", "何", "林", "高", "罗", "郑", "梁", "谢", "宋", "唐", "许", "邓", "冯"};
const char *const kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟",
                              "涛", "明", "超", "秀英", "华", "建国", "晓明", "海燕", "志强", "丽华", "文", "斌"};
const char *const kBrand[] = {"华泰", "恒通", "金源", "宏达", "东方", "新世纪", "嘉禾", "瑞丰", "永信", "锦程",
                              "博远", "天元", "中信", "鑫盛", "盛世", "长城", "海纳", "万达", "联创", "汇丰"};
const char *const kTrade[] = {"科技", "贸易", "电子", "机械", "物流", "服装", "食品", "建材", "印务", "医药",
                              "文化传媒", "化工", "家具", "信息技术", "汽车配件"};
const char *const kForm[] = {"有限公司", "股份有限公司", "商贸行", "实业有限公司"};
const char *const kRoads[] = {"人民路", "解放路", "中山路", "建设路", "和平路", "长江路", "新华路", "胜利路", "文化路", "工业大道"};
const char *const kSalesmen[] = {"张伟", "李娜", "王磊", "刘洋", "陈静", "赵强"};
const char *const kGoods[] = {"文件", "样品", "合同", "发票", "配件", "服装", "礼品", "资料"};
const char *const kSenders[] = {"小王", "小李", "前台", "财务部"};
const char *const kCouriers[] = {"邮政EMS", "顺丰快递", "申通快递", "圆通快递", "汇通快递", "中通快递"};

template <typename T, std::size_t N>
QString pick(QRandomGenerator &r, T (&a)[N])
{
    return QString::fromUtf8(a[r.bounded(int(N))]);
}

QString digits(QRandomGenerator &r, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + r.bounded(10));
    return s;
}

constexpr const char *kColumns =
    "F_mainID, F_code, F_name, F_LXRemp, F_sheng, F_city, F_area, F_address, F_MDaddress, F_postcode, F_GDphone, "
    "F_SJphone, F_empName, F_date, F_memo1, F_useFlag, F_ZF1, F_ZF2, F_ZF3, F_ZF4, F_ZF5, F_SZ1, F_SZ2, F_SZ3, "
    "F_RQ1, F_RQ2, F_RQ3, F_HPname, F_SL, F_ZL, F_YF, F_BJF, F_FYtotal, F_FJemp, F_FHdate, F_KDtype, F_KDcode";
constexpr int kColumnCount = 37;
constexpr int kRowsPerStatement = 200;

QVariantList makeRecord(QRandomGenerator &r, int serial, const QDate &today)
{
    const City &c = cities()[r.bounded(int(cities().size()))];
    const QString province = QString::fromUtf8(c.province), city = QString::fromUtf8(c.city);
    const auto &districts = c.districts;
    const QString area = QString::fromUtf8(districts[r.bounded(int(districts.size()))]);
    const QString person = pick(r, kSurnames) + pick(r, kGiven);
    const QString company = city + pick(r, kBrand) + pick(r, kTrade) + pick(r, kForm);
    const QString address = pick(r, kRoads) + QString::number(1 + r.bounded(999)) + QStringLiteral("号");
    const QDate date = today.addDays(-r.bounded(730));
    static const char *mobilePrefixes[] = {"130", "135", "138", "139", "150", "158", "186", "188"};
    const QString mobile = QLatin1String(mobilePrefixes[r.bounded(8)]) + digits(r, 8);
    const QString fixed = QLatin1String(c.areaCode) + QLatin1Char('-') + digits(r, qstrlen(c.areaCode) == 3 ? 8 : 7);
    const QString code = QStringLiteral("Y%1%2").arg(date.toString(QStringLiteral("yyyyMM"))).arg(serial, 6, 10, QLatin1Char('0'));

    const bool dispatched = r.bounded(100) < 40;
    QVariantList v{0, code, company, person, province, city, area, address, address, QString::fromLatin1(c.postcode), fixed,
                   mobile, pick(r, kSalesmen), Dates::text(date), r.bounded(10) == 0 ? QStringLiteral("老客户") : QString(),
                   dispatched, QString(), QString(), QString(), QString(), QString(), 0.0, 0.0, 0.0,
                   Dates::EmptyDateText, Dates::EmptyDateText, Dates::EmptyDateText};
    if (dispatched) {
        const double freight = 8 + r.bounded(40);
        const double insurance = r.bounded(4) == 0 ? double(r.bounded(20)) : 0.0;
        const QDate sent = date.addDays(r.bounded(30));
        v << pick(r, kGoods) << double(1 + r.bounded(3)) << 0.5 * (1 + r.bounded(10)) << freight << insurance
          << freight + insurance << pick(r, kSenders) << Dates::text(qMin(sent, today)) << pick(r, kCouriers)
          << QString::number(1000000000LL + r.bounded(899999999));
    } else {
        v << QString() << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << QString() << Dates::EmptyDateText << QString() << QString();
    }
    return v;
}

bool insertDictionary(TdmData &data)
{
    QSqlQuery q(data.db());
    auto add = [&](const char *type, const QString &name) {
        return data.run(q, QStringLiteral("insert into t_code (F_name, F_type) values (?, ?)"), {name, QLatin1String(type)});
    };
    for (const char *s : kSalesmen)
        if (!add("empname", QString::fromUtf8(s)))
            return false;
    for (const char *g : kGoods)
        if (!add("HPname", QString::fromUtf8(g)))
            return false;
    for (const char *s : kSenders)
        if (!add("FJemp", QString::fromUtf8(s)))
            return false;
    return true;
}

} // namespace

namespace DemoData {

bool fill(TdmData &data, int records, const std::function<void(int, int)> &progress)
{
    QRandomGenerator r(20130105);
    const QDate today = QDate::currentDate();
    QSqlQuery q(data.db());
    // The indexes of a million records in random order want more than the
    // default page cache; the connection's own size returns afterwards.
    int cacheSize = 0;
    if (data.backend() == Backend::SQLite && q.exec(QStringLiteral("pragma cache_size")) && q.next()) {
        cacheSize = q.value(0).toInt();
        q.finish();
        q.exec(QStringLiteral("pragma cache_size=-524288"));
    }
    const auto restoreCache = qScopeGuard([&] {
        if (cacheSize != 0)
            QSqlQuery(data.db()).exec(QStringLiteral("pragma cache_size=%1").arg(cacheSize));
    });
    if (!data.BeginTrans())
        return false;
    auto fail = [&] {
        data.RollbackTrans();
        return false;
    };
    if (!insertDictionary(data))
        return fail();
    // The sender's own details, printed on every waybill.
    if (!data.run(q, QStringLiteral("update sysInfo set F_name = ?, F_LXRemp = ?, F_sheng = ?, F_city = ?, F_area = ?, "
                                    "F_address = ?, F_postcode = ?, F_GDphone = ?, F_SJphone = ?, F_FJemp = ?"),
                  {QStringLiteral("上海马罗贸易有限公司"), QStringLiteral("周明"), QStringLiteral("上海"), QStringLiteral("上海"),
                   QStringLiteral("徐汇区"), QStringLiteral("漕溪北路88号"), QStringLiteral("200030"),
                   QStringLiteral("021-64870000"), QStringLiteral("13901234567"), QStringLiteral("周明")}))
        return fail();

    const QString one = QLatin1Char('(') + QStringList(kColumnCount, QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    const QString head = QStringLiteral("insert into t_client (%1) values ").arg(QLatin1String(kColumns));
    const QString full = head + QStringList(kRowsPerStatement, one).join(QLatin1Char(','));
    if (!q.prepare(full))
        return fail();
    int done = 0;
    while (done < records) {
        const int batch = qMin(kRowsPerStatement, records - done);
        QSqlQuery &target = q;
        QSqlQuery tail(data.db());
        if (batch < kRowsPerStatement && !tail.prepare(head + QStringList(batch, one).join(QLatin1Char(','))))
            return fail();
        QSqlQuery &stmt = batch < kRowsPerStatement ? tail : target;
        int index = 0;
        for (int i = 0; i < batch; ++i)
            for (const QVariant &v : makeRecord(r, done + i + 1, today))
                stmt.bindValue(index++, v);
        if (!stmt.exec()) {
            data.logFailure(QStringLiteral("demo records"), stmt.lastError().text());
            return fail();
        }
        done += batch;
        if (progress && (done % 20000 == 0 || done == records))
            progress(done, records);
    }
    return (data.CommitTrans() || fail()) && data.UpdateStatistics();
}

} // namespace DemoData
