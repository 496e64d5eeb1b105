// Writes a pseudo-translation of a .ts file: every text becomes itself in brackets, so a
// text shown without them was never looked up.
//   make_pseudo_translation <in.ts> <out.ts>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make_pseudo_translation <in.ts> <out.ts>\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fputs("make_pseudo_translation: cannot open the files\n", stderr);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    QString source;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && (reader.name() == QLatin1String("context") ||
                                      reader.name() == QLatin1String("message"))) {
            writer.writeEndElement();
        }
        if (!reader.isStartElement()) {
            continue;
        }
        const QStringView name = reader.name();
        if (name == QLatin1String("context")) {
            writer.writeStartElement(QStringLiteral("context"));
        } else if (name == QLatin1String("name")) {
            writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
        } else if (name == QLatin1String("message")) {
            numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            writer.writeStartElement(QStringLiteral("message"));
            if (numerus) {
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            }
        } else if (name == QLatin1String("source")) {
            source = reader.readElementText();
            writer.writeTextElement(QStringLiteral("source"), source);
        } else if (name == QLatin1String("translation")) {
            reader.skipCurrentElement();
            const QString marked = QLatin1Char('[') + source + QLatin1Char(']');
            writer.writeStartElement(QStringLiteral("translation"));
            if (numerus) {
                // English has two forms: one and many.
                writer.writeTextElement(QStringLiteral("numerusform"), marked);
                writer.writeTextElement(QStringLiteral("numerusform"), marked);
            } else {
                writer.writeCharacters(marked);
            }
            writer.writeEndElement();
        } else if (name != QLatin1String("TS")) {
            reader.skipCurrentElement();
        }
    }
    writer.writeEndDocument();
    return reader.hasError() ? 1 : 0;
}
