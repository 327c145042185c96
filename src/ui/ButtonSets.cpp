#include "ui/ButtonSets.h"

#include "ui/MessageService.h"

namespace zendaro {

ButtonSet buttonSetFor(int style) {
    const QString& ok = CaptionTamam;
    const QString& yes = CaptionEvet;
    const QString& no = CaptionHayir;
    const QString& cancel = CaptionIptal;
    const QString& abort = CaptionVazgec;
    const QString& retry = CaptionTekrarDene;
    switch (style) {
    case 0:
        return {{ok, {}, {}}, 0, 0, 1};
    case 1:
        return {{yes, {}, {}}, 0, 0, 1};
    case 2:
        return {{cancel, {}, {}}, 0, 0, 1};
    case 3:
        return {{no, {}, {}}, 0, 0, 1};
    case 4:
        return {{abort, {}, {}}, 0, 0, 1};
    case 5:
        return {{retry, {}, {}}, 0, 0, 1};
    case 6:
        return {{ok, cancel, {}}, 0, 1, 2};
    case 7:
        return {{ok, cancel, retry}, 0, 1, 3};
    case 8:
        return {{ok, cancel, abort}, 0, 1, 3};
    case 9:
        return {{yes, no, {}}, 0, 1, 2};
    case 10:
        return {{yes, no, cancel}, 0, 2, 3};
    case 11:
        return {{yes, no, abort}, 0, 1, 3};
    case 12:
        return {{yes, no, retry}, 0, 2, 3};
    case 13:
        return {{yes, cancel, {}}, 0, 1, 2};
    case 14:
        return {{yes, abort, {}}, 0, 1, 2};
    case 15:
        return {{yes, retry, {}}, 0, 1, 2};
    case 16:
        return {{no, cancel, {}}, 0, 1, 2};
    case 17:
        return {{no, abort, {}}, 0, 1, 2};
    case 18:
        return {{no, retry, {}}, 0, 1, 2};
    default:
        return {};
    }
}

int resultForCaption(const QString& caption) {
    if (caption == CaptionTamam)
        return ResultTamam;
    if (caption == CaptionEvet)
        return ResultEvet;
    if (caption == CaptionHayir)
        return ResultHayir;
    if (caption == CaptionIptal)
        return ResultIptal;
    if (caption == CaptionVazgec)
        return ResultVazgec;
    if (caption == CaptionTekrarDene)
        return ResultTekrarDene;
    return -1;
}

int cancelResultFor(int style) {
    const ButtonSet set = buttonSetFor(style);
    if (set.cancelSlot < 0)
        return ResultIptal;
    return resultForCaption(set.captions[static_cast<std::size_t>(set.cancelSlot)]);
}

} // namespace zendaro
