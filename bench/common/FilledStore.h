// A program folder for the benchmarks: a copy of the delivered store filled
// with `rows` page records, one in ten frequently used, about 276 a day from
// 2023-01-01 on, and the exit prompt off. Made once per run.
#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sqlite3.h>

inline const QString &filledStoreFolder(int rows)
{
    static QTemporaryDir dir;
    static QString folder;
    if (!folder.isEmpty())
        return folder;
    folder = dir.path() + '/';
    const QString file = folder + "lzdat.dll";
    QFile::copy(QStringLiteral(LZ_APP_DIR "/lzdat.dll"), file);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);

    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "BEGIN; UPDATE tc SET tc = 0", nullptr, nullptr, nullptr);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO bt (bt, ur, rq, sj, sy) VALUES (?1, ?2, ?3, ?4, ?5)", -1, &st, nullptr);
    const QDateTime start(QDate(2023, 1, 1), QTime(8, 0));
    for (int i = 0; i < rows; ++i) {
        const QDateTime when = start.addSecs(qint64(i) * 313);
        const QByteArray title = QStringLiteral("新闻页面 %1 - 岚舟").arg(i).toUtf8();
        const QByteArray url = QStringLiteral("http://127.0.0.1/page/%1?q=x").arg(i).toUtf8();
        const QByteArray day = when.toString("yyyy-MM-dd").toUtf8();
        const QByteArray moment = when.toString("yyyy-MM-dd hh:mm:ss").toUtf8();
        sqlite3_bind_text(st, 1, title.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, url.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, day.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, moment.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 5, i % 10 == 0 ? 1 : 0);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return folder;
}
