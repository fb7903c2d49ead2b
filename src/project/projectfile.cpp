#include "projectfile.h"
#include "lpstring.h"

#include <QFile>
#include <QSaveFile>

namespace lumaro {

QByteArray ProjectFile::header(const QString &projectPath)
{
    return LengthPrefixedString::encode(projectPath, HeaderSize);
}

QByteArray ProjectFile::record(const QString &path, bool open)
{
    QByteArray bytes = LengthPrefixedString::encode(path, PathFieldSize);
    bytes.append(open ? '\1' : '\0');
    return bytes;
}

QByteArray ProjectFile::image(const QString &projectPath, const QList<ProjectRecord> &records)
{
    QByteArray bytes = header(projectPath);
    bytes.reserve(HeaderSize + RecordSize * records.size());
    for (const ProjectRecord &r : records)
        bytes.append(record(r.path, r.open));
    return bytes;
}

QString ProjectFile::headerPath(const QByteArray &image)
{
    return LengthPrefixedString::decode(image.constData(), image.size(), HeaderSize);
}

int ProjectFile::recordCount(const QByteArray &image)
{
    if (image.size() <= HeaderSize)
        return 0;
    return static_cast<int>((image.size() - HeaderSize) / RecordSize);
}

QList<ProjectRecord> ProjectFile::records(const QByteArray &image)
{
    QList<ProjectRecord> list;
    const int count = recordCount(image);
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        const char *at = image.constData() + HeaderSize + qsizetype(RecordSize) * i;
        ProjectRecord r;
        r.path = LengthPrefixedString::decode(at, PathFieldSize, PathFieldSize);
        r.open = at[PathFieldSize] != 0;
        list.append(r);
    }
    return list;
}

QByteArray ProjectFile::normalized(const QByteArray &image)
{
    if (image.size() < HeaderSize) {
        QByteArray padded = image;
        padded.append(QByteArray(HeaderSize - image.size(), '\0'));
        return padded;
    }
    return image.left(HeaderSize + qsizetype(RecordSize) * recordCount(image));
}

bool ProjectFile::read(const QString &fileName, QByteArray *image, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (image)
        *image = bytes;
    return true;
}

bool ProjectFile::write(const QString &fileName, const QByteArray &image, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace lumaro
