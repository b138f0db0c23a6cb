#pragma once

#include <QSet>
#include <QString>

// The codes an existing bank already holds, read once from the file opened
// read-only. An upgrade source may refer to them and must not repeat them.
// Codes are kept case-folded, as the bank compares them.
class BaseBank
{
public:
    static BaseBank read(const QString& path);

    const QString& path() const { return m_path; }
    const QSet<QString>& chapters() const { return m_chapters; }
    const QSet<QString>& nodes() const { return m_nodes; }
    const QSet<QString>& points() const { return m_points; }
    const QSet<QString>& stems() const { return m_stems; }
    const QSet<QString>& questions() const { return m_questions; }
    const QSet<int>& types() const { return m_types; }
    const QSet<QString>& products() const { return m_products; }
    const QSet<QString>& upgrades() const { return m_upgrades; }

private:
    QString m_path;
    QSet<QString> m_chapters;
    QSet<QString> m_nodes;
    QSet<QString> m_points;
    QSet<QString> m_stems;
    QSet<QString> m_questions;
    QSet<int> m_types;
    QSet<QString> m_products;
    QSet<QString> m_upgrades;
};
