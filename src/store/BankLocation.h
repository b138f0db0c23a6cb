#pragma once

#include <QString>

// Where the user's bank lives. Portable first: the program folder's data/ when
// it can be written. Otherwise (a system-wide install) the user's data folder,
// where the shipped bank is copied on the first start.
class BankLocation
{
public:
    struct Choice
    {
        QString bankPath;
        bool portable = false;
        // Why no bank can be used; empty when bankPath is ready to open.
        QString error;
        bool ok() const { return error.isEmpty(); }
    };

    // programFolder: the installed program tree; dataHome: the user's data folder
    // (see defaultDataHome()).
    BankLocation(const QString& programFolder, const QString& dataHome);

    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    static QString defaultDataHome();
    // Tried by creating a file there: permission bits do not tell (root, read-only mounts, ACLs).
    static bool isWritableFolder(const QString& folder);
    // Why a bank must not be put at bankPath: a journal lies there without its bank, and
    // SQLite would replay it into the new file. Empty when there is no such journal.
    static QString strayJournal(const QString& bankPath);

    QString shippedBank() const;
    QString userBank() const;
    Choice choose() const;

private:
    QString m_programFolder;
    QString m_dataHome;
};
