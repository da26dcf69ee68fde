#include "app/RestTexts.h"

namespace markast {

RestTexts RestTexts::of(Rest rest) {
    switch (rest) {
    case Rest::AfterStart:
        return {tr("Waiting for command"), tr("No File Selected"),
                tr("Click Open and Browse for HPGL\\1 file to download.")};
    case Rest::Loaded:
        return {tr("Logo Loaded, Now Select Download"), std::nullopt,
                tr("On the marker select F10, F10, F1, F8) Load HPGL. Enter a name for the logo "
                   "then press Enter. Then click Download.")};
    case Rest::AfterDownload:
        return {tr("Waiting for Command"), tr("No file loaded"),
                tr("Download Complete. To mark the logo create a layout, enter the name of the "
                   "logo on a line of the layout. Set the line content to HPGL Logo. Set the "
                   "size. You are now ready to mark the logo.")};
    }
    return {};
}

} // namespace markast
