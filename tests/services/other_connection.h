#pragma once

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// The history file's bytes, to prove that a failure left it as it was.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A second connection to the history file, as another program (or the
// sqlite3 shell) has it: it reads behind the history's back, holds locks and
// frees room.
class OtherConnection
{
public:
    explicit OtherConnection(const QString &path)
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        m_db.setDatabaseName(path);
        m_db.open();
    }
    ~OtherConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
    OtherConnection(const OtherConnection &) = delete;
    OtherConnection &operator=(const OtherConnection &) = delete;

    bool exec(const QString &sql)
    {
        QSqlQuery query(m_db);
        return query.exec(sql);
    }
    // The first column of the first row; invalid where the query failed.
    QVariant value(const QString &sql)
    {
        QSqlQuery query(m_db);
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }

private:
    QSqlDatabase m_db;
};
