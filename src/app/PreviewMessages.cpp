#include "app/PreviewMessages.h"

#include <QList>

namespace {
const QByteArray kShow = "show";
const QByteArray kShown = "shown";

QList<QByteArray> Fields(const QByteArray& line, const QByteArray& kind, qsizetype count)
{
    QList<QByteArray> fields = line.trimmed().split('\t');
    if (fields.size() != count || fields[0] != kind) return {};
    return fields;
}

std::optional<int> Number(const QByteArray& field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
} // namespace

QByteArray EncodePreviewShow(const PreviewShow& show)
{
    const QSize size = show.outerSize.value_or(QSize(0, 0));
    return kShow + '\t' + QByteArray::number(size.width()) + '\t' + QByteArray::number(size.height()) + '\t' +
           show.file.toUtf8().toPercentEncoding() + '\n';
}

std::optional<PreviewShow> DecodePreviewShow(const QByteArray& line)
{
    const QList<QByteArray> fields = Fields(line, kShow, 4);
    if (fields.isEmpty()) return std::nullopt;
    const auto width = Number(fields[1]);
    const auto height = Number(fields[2]);
    if (!width || !height || fields[3].isEmpty()) return std::nullopt;
    PreviewShow show{QString::fromUtf8(QByteArray::fromPercentEncoding(fields[3])), std::nullopt};
    // 0 x 0: the window keeps the size it has.
    if (*width > 0 && *height > 0) show.outerSize = QSize(*width, *height);
    return show;
}

QByteArray EncodePreviewShown(const PreviewShown& shown)
{
    const QRect& r = shown.frame;
    return kShown + '\t' + (shown.ok ? "1" : "0") + '\t' + QByteArray::number(r.x()) + '\t' +
           QByteArray::number(r.y()) + '\t' + QByteArray::number(r.width()) + '\t' +
           QByteArray::number(r.height()) + '\t' + shown.file.toUtf8().toPercentEncoding() + '\n';
}

std::optional<PreviewShown> DecodePreviewShown(const QByteArray& line)
{
    const QList<QByteArray> fields = Fields(line, kShown, 7);
    if (fields.isEmpty()) return std::nullopt;
    std::optional<int> numbers[4];
    for (int i = 0; i < 4; ++i) {
        numbers[i] = Number(fields[2 + i]);
        if (!numbers[i]) return std::nullopt;
    }
    return PreviewShown{fields[1] == "1", QString::fromUtf8(QByteArray::fromPercentEncoding(fields[6])),
                        QRect(*numbers[0], *numbers[1], *numbers[2], *numbers[3])};
}
