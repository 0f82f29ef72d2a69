#include "screen/ColorSchemes.h"

#include "screen/Cell.h"

namespace {

const SchemeColors fixedSchemes[SchemeCount - 1] = {
    {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(192, 192, 192), Rgb(0, 0, 0)},         // Black on White
    {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(0, 0, 0)},         // White on Black
    {Rgb(0, 0, 0), Rgb(0, 255, 0), Rgb(128, 128, 128), Rgb(0, 64, 0)},            // Green on Black
    {Rgb(0, 0, 128), Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(255, 255, 255)}, // White on Blue
};

} // namespace

SchemeColors ColorsOfScheme(int scheme, const SchemeColors& system) {
    if (scheme < 1 || scheme >= SchemeCount) return system;
    return fixedSchemes[scheme - 1];
}

RunLook LookOfAttribute(unsigned char attr, const SchemeColors& colors) {
    RunLook look = {colors.text, colors.back, attr & (AttrBold | AttrUnderline)};
    if (attr & AttrSelected) {
        look.text = colors.selText;
        look.back = colors.selBack;
    }
    if (attr & AttrReverse) {
        ColorValue text = look.text;
        look.text = look.back;
        look.back = text;
    }
    return look;
}
