#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace zendaro::pictures {

// Resource paths of the program's pictures. Picture buttons come in pairs: the
// normal look and the highlighted ("light") look shown while the pointer is over it.
inline constexpr auto BackgroundMenu = ":/pictures/background_menu.svg";     // 827 x 619, main menu
inline constexpr auto BackgroundWindow = ":/pictures/background_window.svg"; // 827 x 619, working windows
inline constexpr auto Banner = ":/pictures/banner.svg";                      // 500 x 48
inline constexpr auto AppIcon = ":/pictures/zendaro.svg";                    // 256 x 256

// Main menu, 64 x 64 (working windows) and 48 x 48 (help, about, exit).
inline constexpr auto MenuBirebirNormal = ":/pictures/menu_birebir_normal.svg";
inline constexpr auto MenuBirebirLight = ":/pictures/menu_birebir_light.svg";
inline constexpr auto MenuCogulNormal = ":/pictures/menu_cogul_normal.svg";
inline constexpr auto MenuCogulLight = ":/pictures/menu_cogul_light.svg";
inline constexpr auto MenuDosyalarNormal = ":/pictures/menu_dosyalar_normal.svg";
inline constexpr auto MenuDosyalarLight = ":/pictures/menu_dosyalar_light.svg";
inline constexpr auto MenuDornelaNormal = ":/pictures/menu_dornela_normal.svg";
inline constexpr auto MenuDornelaLight = ":/pictures/menu_dornela_light.svg";
inline constexpr auto MenuDigerNormal = ":/pictures/menu_diger_normal.svg";
inline constexpr auto MenuDigerLight = ":/pictures/menu_diger_light.svg";
inline constexpr auto MenuHelpNormal = ":/pictures/menu_help_normal.svg";
inline constexpr auto MenuHelpLight = ":/pictures/menu_help_light.svg";
inline constexpr auto MenuInfoNormal = ":/pictures/menu_info_normal.svg";
inline constexpr auto MenuInfoLight = ":/pictures/menu_info_light.svg";
inline constexpr auto MenuExitNormal = ":/pictures/menu_exit_normal.svg";
inline constexpr auto MenuExitLight = ":/pictures/menu_exit_light.svg";

// Working windows: the convert button (77 x 64) and its blink picture, help and
// "ANA MENÜ" (48 x 48).
inline constexpr auto ZendaroNormal = ":/pictures/zendaro_normal.svg";
inline constexpr auto ZendaroLight = ":/pictures/zendaro_light.svg";
inline constexpr auto DonusumNormal = ":/pictures/donusum_normal.svg";
inline constexpr auto DonusumLight = ":/pictures/donusum_light.svg";
inline constexpr auto HelpNormal = ":/pictures/help_normal.svg";
inline constexpr auto HelpLight = ":/pictures/help_light.svg";
inline constexpr auto BackNormal = ":/pictures/back_normal.svg";
inline constexpr auto BackLight = ":/pictures/back_light.svg";

// Editor buttons, 24 x 24.
inline constexpr auto EditAddNormal = ":/pictures/edit_add_normal.svg";
inline constexpr auto EditAddLight = ":/pictures/edit_add_light.svg";
inline constexpr auto EditDeleteNormal = ":/pictures/edit_delete_normal.svg";
inline constexpr auto EditDeleteLight = ":/pictures/edit_delete_light.svg";
inline constexpr auto EditEditNormal = ":/pictures/edit_edit_normal.svg";
inline constexpr auto EditEditLight = ":/pictures/edit_edit_light.svg";
inline constexpr auto EditCancelNormal = ":/pictures/edit_cancel_normal.svg";
inline constexpr auto EditCancelLight = ":/pictures/edit_cancel_light.svg";
inline constexpr auto EditSaveNormal = ":/pictures/edit_save_normal.svg";
inline constexpr auto EditSaveLight = ":/pictures/edit_save_light.svg";
inline constexpr auto EditCreateNormal = ":/pictures/edit_create_normal.svg";
inline constexpr auto EditCreateLight = ":/pictures/edit_create_light.svg";
inline constexpr auto EditAddGradeNormal = ":/pictures/edit_addgrade_normal.svg";
inline constexpr auto EditAddGradeLight = ":/pictures/edit_addgrade_light.svg";
// Scale library and scale files (an open book, an arrow into and out of a tray).
inline constexpr auto EditLibraryNormal = ":/pictures/edit_library_normal.svg";
inline constexpr auto EditLibraryLight = ":/pictures/edit_library_light.svg";
inline constexpr auto EditImportNormal = ":/pictures/edit_import_normal.svg";
inline constexpr auto EditImportLight = ":/pictures/edit_import_light.svg";
inline constexpr auto EditExportNormal = ":/pictures/edit_export_normal.svg";
inline constexpr auto EditExportLight = ":/pictures/edit_export_light.svg";

// About window, 64 x 64: number 0 (shown first) and number 1.
inline constexpr auto About0 = ":/pictures/about_0.svg";
inline constexpr auto About1 = ":/pictures/about_1.svg";

// Renders a picture at its own size (or at `size` when given), sharp on
// high-density screens. A missing picture gives a null pixmap.
QPixmap LoadPicture(const QString& path, QSize size = {});

} // namespace zendaro::pictures
