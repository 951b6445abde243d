#include "labels/Code128.h"

#include "model/Errors.h"

#include <zint.h>

#include <cmath>
#include <memory>

namespace {

struct TSymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

} // namespace

TCode128 Code128::encode(const QString& text) {
    const std::unique_ptr<zint_symbol, TSymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) throw DoravelError(QStringLiteral("Barkod yapılamadı: bellek yetmedi."));
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;
    const QByteArray data = text.toLatin1();
    int result = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                                 static_cast<int>(data.size()));
    if (result < ZINT_ERROR) result = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (result >= ZINT_ERROR || !symbol->vector || symbol->width <= 0)
        throw DoravelError(
            QStringLiteral("%1 için barkod yapılamadı: %2").arg(text, QString::fromLatin1(symbol->errtxt)));
    // The vector output scales the modules by a factor of its own; bars are read back in modules.
    const double perModule = static_cast<double>(symbol->vector->width) / symbol->width;
    TCode128 code;
    code.modules = symbol->width;
    for (const zint_vector_rect* rect = symbol->vector->rectangles; rect; rect = rect->next) {
        if (rect->colour != -1) continue;
        code.bars.push_back({static_cast<int>(std::lround(rect->x / perModule)),
                             static_cast<int>(std::lround(rect->width / perModule))});
    }
    return code;
}
