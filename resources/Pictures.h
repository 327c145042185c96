#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zendaro::pictures {

// The program's pictures, by name. Each is drawn once as an SVG and rendered
// during the build at several display scales; LoadPicture picks the rendering
// a screen needs. Picture buttons come in pairs: the normal look and the
// highlighted ("light") look shown while the pointer is over it.
inline constexpr auto BackgroundMenu = ":/pictures/background_menu";     // 827 x 619, main menu
inline constexpr auto BackgroundWindow = ":/pictures/background_window"; // 827 x 619, working windows
inline constexpr auto Banner = ":/pictures/banner";                      // 500 x 48
inline constexpr auto AppIcon = ":/pictures/zendaro";                    // 256 x 256

// Main menu, 64 x 64 (working windows) and 48 x 48 (help, about, exit).
inline constexpr auto MenuBirebirNormal = ":/pictures/menu_birebir_normal";
inline constexpr auto MenuBirebirLight = ":/pictures/menu_birebir_light";
inline constexpr auto MenuCogulNormal = ":/pictures/menu_cogul_normal";
inline constexpr auto MenuCogulLight = ":/pictures/menu_cogul_light";
inline constexpr auto MenuDosyalarNormal = ":/pictures/menu_dosyalar_normal";
inline constexpr auto MenuDosyalarLight = ":/pictures/menu_dosyalar_light";
inline constexpr auto MenuDornelaNormal = ":/pictures/menu_dornela_normal";
inline constexpr auto MenuDornelaLight = ":/pictures/menu_dornela_light";
inline constexpr auto MenuDigerNormal = ":/pictures/menu_diger_normal";
inline constexpr auto MenuDigerLight = ":/pictures/menu_diger_light";
inline constexpr auto MenuHelpNormal = ":/pictures/menu_help_normal";
inline constexpr auto MenuHelpLight = ":/pictures/menu_help_light";
inline constexpr auto MenuInfoNormal = ":/pictures/menu_info_normal";
inline constexpr auto MenuInfoLight = ":/pictures/menu_info_light";
inline constexpr auto MenuExitNormal = ":/pictures/menu_exit_normal";
inline constexpr auto MenuExitLight = ":/pictures/menu_exit_light";

// Working windows: the convert button (77 x 64) and its blink picture, help and
// "ANA MENÜ" (48 x 48).
inline constexpr auto ZendaroNormal = ":/pictures/zendaro_normal";
inline constexpr auto ZendaroLight = ":/pictures/zendaro_light";
inline constexpr auto DonusumNormal = ":/pictures/donusum_normal";
inline constexpr auto DonusumLight = ":/pictures/donusum_light";
inline constexpr auto HelpNormal = ":/pictures/help_normal";
inline constexpr auto HelpLight = ":/pictures/help_light";
inline constexpr auto BackNormal = ":/pictures/back_normal";
inline constexpr auto BackLight = ":/pictures/back_light";

// Editor buttons, 24 x 24.
inline constexpr auto EditAddNormal = ":/pictures/edit_add_normal";
inline constexpr auto EditAddLight = ":/pictures/edit_add_light";
inline constexpr auto EditDeleteNormal = ":/pictures/edit_delete_normal";
inline constexpr auto EditDeleteLight = ":/pictures/edit_delete_light";
inline constexpr auto EditEditNormal = ":/pictures/edit_edit_normal";
inline constexpr auto EditEditLight = ":/pictures/edit_edit_light";
inline constexpr auto EditCancelNormal = ":/pictures/edit_cancel_normal";
inline constexpr auto EditCancelLight = ":/pictures/edit_cancel_light";
inline constexpr auto EditSaveNormal = ":/pictures/edit_save_normal";
inline constexpr auto EditSaveLight = ":/pictures/edit_save_light";
inline constexpr auto EditCreateNormal = ":/pictures/edit_create_normal";
inline constexpr auto EditCreateLight = ":/pictures/edit_create_light";
inline constexpr auto EditAddGradeNormal = ":/pictures/edit_addgrade_normal";
inline constexpr auto EditAddGradeLight = ":/pictures/edit_addgrade_light";
// Scale library and scale files (an open book, an arrow into and out of a tray).
inline constexpr auto EditLibraryNormal = ":/pictures/edit_library_normal";
inline constexpr auto EditLibraryLight = ":/pictures/edit_library_light";
inline constexpr auto EditImportNormal = ":/pictures/edit_import_normal";
inline constexpr auto EditImportLight = ":/pictures/edit_import_light";
inline constexpr auto EditExportNormal = ":/pictures/edit_export_normal";
inline constexpr auto EditExportLight = ":/pictures/edit_export_light";

// About window, 64 x 64: number 0 (shown first) and number 1.
inline constexpr auto About0 = ":/pictures/about_0";
inline constexpr auto About1 = ":/pictures/about_1";

// A picture at its own size (or at `size` when given), sharp at any display
// scale: the nearest rendering at or above the pixels the screen needs, scaled
// down smoothly when it holds more. A missing picture gives a null pixmap.
QPixmap LoadPicture(const QString& name, QSize size = {});

// The program's icon (AppIcon), rendered at the sizes a desktop shows it at.
QIcon LoadAppIcon();

// The display scales (in per cent, ascending) the pictures are rendered at.
QList<int> RenderedScales();
// The rendering LoadPicture takes for `scale` (1.5 for 150 %): the smallest
// rendered scale at or above it, or the largest there is.
int RenderingFor(qreal scale);

} // namespace zendaro::pictures
