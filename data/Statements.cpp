#include "data/Statements.h"

#include "data/uShare.h"

namespace Statements {

QString categories()
{
    return QStringLiteral("Select ZMID,ZMCLASS from Tclass order by ZMID asc");
}

QString titlesOfCategoryCode(const QString &code)
{
    return QStringLiteral(" Select TITLE from JMTable where CLASEID = ") + quoted(code);
}

QString titlesOfCategoryName(const QString &name)
{
    return QStringLiteral(" Select TITLE from JMTable where CLASEID = (Select ZMID from Tclass where ZMCLASS = ")
           + quoted(name) + QStringLiteral(")");
}

QString contentOfTitle(const QString &title)
{
    return QStringLiteral("select CONENT from JMTable where TITLE = ") + quoted(title);
}

QString firstEntryOfTitle(const QString &title)
{
    return QStringLiteral("select top 1 TITLE,CONENT from JMTable where TITLE = ") + quoted(title);
}

QString entriesLike(const QString &keyword)
{
    return QStringLiteral("select TITLE,CONENT from JMTable where TITLE like ")
           + quoted(QStringLiteral("%") + keyword + QStringLiteral("%"));
}

QString phoneReading(const QString &key)
{
    return QStringLiteral("select title,jx,content from shouji where num = ") + quoted(key);
}

QString constellationPair(const QString &man, const QString &woman)
{
    return QStringLiteral("select title,content1,content2 from xingzuolove  where xingzuo1 = ") + quoted(man)
           + QStringLiteral(" and xingzuo2 = ") + quoted(woman);
}

QString yearWeight(const QString &year)
{
    return QStringLiteral("Select weight from chenggu1 where year =") + quoted(year);
}

QString monthWeight(const QString &month)
{
    return QStringLiteral("Select weight from chenggu2 where month =") + quoted(month);
}

QString dayWeight(const QString &day)
{
    return QStringLiteral("Select weight from chenggu3 where day =") + quoted(day);
}

QString hourWeight(const QString &hour)
{
    return QStringLiteral("Select weight from chenggu4 where time =") + quoted(hour);
}

QString boneVerse(const QString &code)
{
    return QStringLiteral("Select content from chenggu where weight =") + quoted(code);
}

} // namespace Statements
