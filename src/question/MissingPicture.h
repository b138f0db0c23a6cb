#pragma once

#include <QString>

#include <stdexcept>

// A picture a window needs could not be read from pic/. The window's creator
// turns it into the fatal "无法提取资源文件！".
class MissingPicture : public std::runtime_error
{
public:
    explicit MissingPicture(const QString& file)
        : std::runtime_error("missing picture " + file.toStdString()), m_file(file)
    {}
    const QString& file() const { return m_file; }

private:
    QString m_file;
};
