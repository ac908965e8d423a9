#include "CatalogueGenerator.h"

QByteArray generateCatalogue(qsizetype lineCount, const QByteArray &baseUrl)
{
    QByteArray text;
    text.reserve(lineCount * 160);
    for (qsizetype i = 0; i < lineCount; ++i) {
        const qsizetype model = i % 40;
        const QByteArray name = model % 8 == 0 ? "MORVANE 无线接收器 " + QByteArray::number(model)
                                               : "MORVANE X" + QByteArray::number(model) + " Pro";
        const QByteArray version = "V" + QByteArray::number(i / 40 % 10) + "." +
                                   QByteArray::number(i % 7) + "." + QByteArray::number(i);
        const QByteArray base =
            baseUrl + "/fw/x" + QByteArray::number(model) + "_" + QByteArray::number(i);
        const QByteArray firmwareURL = i % 50 == 49 ? QByteArray("bad url") : base + ".bin";
        text += " " + name + " ; 1a86 ; e0" +
                QByteArray::number(model % 100).rightJustified(2, '0') + " ; " + version +
                " ; 2023 Morvane Technology Co., Ltd. ; " + firmwareURL + " ; " + base +
                ".txt ;\r\n";
    }
    return text;
}
