#!/usr/bin/env python3
"""Draws the program's pictures (resources/pictures/*.svg) in one consistent look:
rounded tiles in the blues (1, 157, 203) and (3, 133, 209) with white glyphs, a
normal and a highlighted ("light") look per picture button, and the backgrounds.
The SVG files are committed; the build never runs this. Edit here and run it
again to change a picture, then look at the result rendered.
"""
import os
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pictures")
os.makedirs(OUT, exist_ok=True)

HEAD = '<?xml version="1.0" encoding="UTF-8"?>\n'

def tile_defs(uid, light, red=False):
    if red and light:
        top, bot, edge = "#F26B5E", "#C9342A", "#9E241C"
    elif light:
        top, bot, edge = "#5FD0F2", "#1C9EE3", "#0A78B8"
    else:
        top, bot, edge = "#1FAFDC", "#0385D1", "#02679F"
    return (f'<defs><linearGradient id="g{uid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bot}"/></linearGradient></defs>', edge)

def tile(w, h, uid, light, red=False, r=None):
    """A rounded tile filling a w x h picture, with a soft top gloss."""
    defs, edge = tile_defs(uid, light, red)
    r = r if r is not None else min(w, h) * 0.2
    s = defs
    s += f'<rect x="1" y="1" width="{w-2}" height="{h-2}" rx="{r}" ry="{r}" fill="url(#g{uid})" stroke="{edge}" stroke-width="1.2"/>'
    gh = h * 0.42
    s += (f'<path d="M{1+r},{2} H{w-1-r} Q{w-2},{2} {w-2},{1+r} V{gh} Q{w/2},{gh+h*0.10} 2,{gh} V{1+r} Q2,2 {1+r},2 Z" '
          f'fill="#FFFFFF" fill-opacity="0.16"/>')
    if light:
        s += (f'<rect x="3" y="3" width="{w-6}" height="{h-6}" rx="{r-2}" ry="{r-2}" fill="none" '
              f'stroke="#FFFFFF" stroke-opacity="0.85" stroke-width="1.5"/>')
    return s

def svg(w, h, body, vb=None):
    vb = vb or f"0 0 {w} {h}"
    return (HEAD + f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'version="1.2" baseProfile="tiny" width="{w}" height="{h}" viewBox="{vb}">' + body + '</svg>\n')

W = 'fill="none" stroke="#FFFFFF" stroke-linecap="round" stroke-linejoin="round"'
F = 'fill="#FFFFFF"'
B = "#0385D1"

# Glyphs drawn in a 64 x 64 box.
def card(x, y, w, h, lines=2):
    s = f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="3" {F}/>'
    for i in range(lines):
        ly = y + 7 + i * 6
        s += f'<rect x="{x+4}" y="{ly}" width="{w-8 - (i%2)*4}" height="2.4" rx="1.2" fill="{B}"/>'
    return s

def arrow(x1, x2, y, sw=3.6):
    return (f'<path d="M{x1},{y} H{x2}" {W} stroke-width="{sw}"/>'
            f'<path d="M{x2-5},{y-5} L{x2},{y} L{x2-5},{y+5}" {W} stroke-width="{sw}"/>')

def g_birebir():
    return (card(8, 13, 17, 24) + arrow(28, 38, 25) + card(41, 13, 17, 24) +
            f'<text x="32" y="53" font-family="DejaVu Sans" font-weight="bold" font-size="11" text-anchor="middle" {F}>1 : 1</text>')

def g_cogul():
    s = ''
    for dx in (4, 2, 0):
        s += f'<rect x="{7+dx}" y="{17-dx}" width="16" height="22" rx="3" fill="#FFFFFF" fill-opacity="{1 - dx*0.15}" stroke="{B}" stroke-width="0.8"/>'
    s += arrow(28, 38, 26)
    for dx in (4, 2, 0):
        s += f'<rect x="{41+dx}" y="{17-dx}" width="16" height="22" rx="3" fill="#FFFFFF" fill-opacity="{1 - dx*0.15}" stroke="{B}" stroke-width="0.8"/>'
    s += f'<text x="32" y="53" font-family="DejaVu Sans" font-weight="bold" font-size="11" text-anchor="middle" {F}>n : n</text>'
    return s

def g_dosyalar():
    # a folder holding a student's transcript: a sheet with lines and a tick
    s = f'<path d="M8,18 Q8,14 12,14 H25 L29,18 H52 Q56,18 56,22 V48 Q56,52 52,52 H12 Q8,52 8,48 Z" {F} fill-opacity="0.55"/>'
    s += f'<rect x="17" y="9" width="30" height="36" rx="3" {F} stroke="{B}" stroke-width="0.8"/>'
    for i, w in enumerate((20, 16, 20, 12)):
        s += f'<rect x="21" y="{15 + i * 6}" width="{w}" height="2.4" rx="1.2" fill="{B}"/>'
    s += f'<path d="M8,27 Q8,24 11,24 H53 Q56,24 56,27 V48 Q56,52 52,52 H12 Q8,52 8,48 Z" {F}/>'
    s += f'<path d="M24,38 L30,44 L41,32" fill="none" stroke="{B}" stroke-linecap="round" stroke-linejoin="round" stroke-width="3.6"/>'
    return s

def g_dornela():
    s = f'<path d="M32,9 L55,21 H9 Z" {F}/>'
    s += f'<rect x="11" y="23" width="42" height="3" {F}/>'
    for x in (14, 23, 34, 43):
        s += f'<rect x="{x}" y="28" width="7" height="17" rx="1" {F}/>'
    s += f'<rect x="9" y="47" width="46" height="4" rx="1" {F}/><rect x="7" y="52.5" width="50" height="3.5" rx="1" {F}/>'
    return s

def g_diger():
    s = f'<circle cx="29" cy="30" r="18" {W} stroke-width="3.4"/>'
    s += f'<path d="M11,30 H47 M29,12 C20,22 20,38 29,48 M29,12 C38,22 38,38 29,48 M14,21 H44 M14,39 H44" {W} stroke-width="2.4"/>'
    s += f'<circle cx="47" cy="46" r="10" {F}/>'
    s += f'<path d="M42,46 H52 M47,41 V51" fill="none" stroke="{B}" stroke-width="3" stroke-linecap="round"/>'
    return s

def g_book():
    return (f'<path d="M32,18 C25,13 16,12 9,14 V48 C16,46 25,47 32,52 C39,47 48,46 55,48 V14 C48,12 39,13 32,18 Z" {F}/>'
            f'<path d="M32,19 V51" fill="none" stroke="{B}" stroke-width="2"/>'
            f'<path d="M14,22 C19,21 24,22 28,24 M14,29 C19,28 24,29 28,31 M14,36 C19,35 24,36 28,38 '
            f'M36,24 C40,22 45,21 50,22 M36,31 C40,29 45,28 50,29 M36,38 C40,36 45,35 50,36" '
            f'fill="none" stroke="{B}" stroke-width="1.8" stroke-linecap="round"/>')

def g_question():
    return (f'<path d="M23,24 C23,15 41,14 41,24 C41,31 32,31 32,38 V41" {W} stroke-width="6"/>'
            f'<circle cx="32" cy="50" r="3.8" {F}/>')

def g_info():
    return (f'<circle cx="32" cy="17" r="4.6" {F}/><path d="M26,27 H34 V48 M26,48 H40" {W} stroke-width="5.5"/>')

def g_power():
    return (f'<path d="M22,20 A17,17 0 1 0 42,20" {W} stroke-width="5.5"/><path d="M32,11 V32" {W} stroke-width="5.5"/>')

def g_home():
    return (f'<path d="M10,33 L32,13 L54,33" {W} stroke-width="5"/>'
            f'<path d="M17,30 V52 H28 V40 H36 V52 H47 V30" {W} stroke-width="4.5"/>')

def g_plus():
    return f'<path d="M32,16 V48 M16,32 H48" {W} stroke-width="8"/>'

def g_trash():
    return (f'<path d="M15,20 H49 M26,20 V14 H38 V20" {W} stroke-width="5"/>'
            f'<path d="M19,25 L21,52 H43 L45,25 Z" {F}/>'
            f'<path d="M28,31 V46 M36,31 V46" fill="none" stroke="{B}" stroke-width="3" stroke-linecap="round"/>')

def g_pencil():
    return (f'<path d="M41,13 L51,23 L25,49 L13,51 L15,39 Z" {F}/>'
            f'<path d="M36,18 L46,28" fill="none" stroke="{B}" stroke-width="3"/>')

def g_cross():
    return f'<path d="M19,19 L45,45 M45,19 L19,45" {W} stroke-width="8"/>'

def g_save():
    return (f'<path d="M13,13 H45 L51,19 V51 H13 Z" {F}/>'
            f'<rect x="20" y="13" width="20" height="12" fill="{B}"/><rect x="33" y="15" width="4" height="8" {F}/>'
            f'<rect x="19" y="33" width="26" height="14" rx="1" fill="{B}"/>')

def g_create():
    s = ''
    for i, y in enumerate((14, 27, 40)):
        s += f'<rect x="12" y="{y}" width="{30 - i*6}" height="8" rx="2" {F}/>'
    s += f'<path d="M49,30 L52,38 L60,41 L52,44 L49,52 L46,44 L38,41 L46,38 Z" {F}/>'
    return s

def g_addgrade():
    s = ''
    for y in (14, 25, 36):
        s += f'<rect x="10" y="{y}" width="26" height="6" rx="2" {F}/>'
    s += f'<path d="M45,34 V56 M34,45 H56" {W} stroke-width="7"/>'
    return s

def g_convert77():
    # 77 x 64: a bold Z inside two chasing arrows
    import math
    cx, cy, r = 38.5, 32.0, 23.0
    def pt(a):
        a = math.radians(a)
        return cx + r * math.cos(a), cy + r * math.sin(a)
    def arc(a0, a1):
        x0, y0 = pt(a0); x1, y1 = pt(a1)
        t = math.radians(a1)
        tx, ty = -math.sin(t), math.cos(t)
        nx, ny = ty, -tx
        h1 = (x1 - 6 * tx + 5 * nx, y1 - 6 * ty + 5 * ny)
        h2 = (x1 - 6 * tx - 5 * nx, y1 - 6 * ty - 5 * ny)
        return (f'<path d="M{x0:.2f},{y0:.2f} A{r},{r} 0 0 1 {x1:.2f},{y1:.2f}" {W} stroke-width="4"/>'
                f'<path d="M{h1[0]:.2f},{h1[1]:.2f} L{x1:.2f},{y1:.2f} L{h2[0]:.2f},{h2[1]:.2f}" {W} stroke-width="4"/>')
    s = f'<text x="38.5" y="40.5" font-family="DejaVu Sans" font-weight="bold" font-size="23" text-anchor="middle" {F}>Z</text>'
    return s + arc(195, 320) + arc(15, 140)

def write(name, text):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write(text)

def button(name, glyph, size, red_light=False):
    for light in (False, True):
        uid = "t"
        body = tile(size[0], size[1], uid, light, red=red_light)
        sx, sy = size[0] / 64.0, size[1] / 64.0
        if glyph is g_convert77:
            body += glyph()
        else:
            sc = min(sx, sy)
            ox = (size[0] - 64 * sc) / 2
            body += f'<g transform="translate({ox:.2f},0) scale({sc:.4f})">{glyph()}</g>'
        write(f"{name}_{'light' if light else 'normal'}.svg", svg(size[0], size[1], body))

# main menu
button("menu_birebir", g_birebir, (64, 64))
button("menu_cogul", g_cogul, (64, 64))
button("menu_dosyalar", g_dosyalar, (64, 64))
button("menu_dornela", g_dornela, (64, 64))
button("menu_diger", g_diger, (64, 64))
button("menu_help", g_book, (48, 48))
button("menu_info", g_info, (48, 48))
button("menu_exit", g_power, (48, 48), red_light=True)
# working windows
button("zendaro", g_convert77, (77, 64))
button("help", g_question, (48, 48))
button("back", g_home, (48, 48))
for n, g in (("add", g_plus), ("delete", g_trash), ("edit", g_pencil), ("cancel", g_cross),
             ("save", g_save), ("create", g_create), ("addgrade", g_addgrade)):
    button("edit_" + n, g, (24, 24))

# the blink picture of the convert button: the tile turned inside out
def blink(light=False):
    ring = ('<rect x="3.5" y="3.5" width="70" height="57" rx="10.5" ry="10.5" fill="none" stroke="#5FD0F2" stroke-width="2"/>'
            if light else '')
    body = ('<defs><linearGradient id="b" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#FFFFFF"/>'
            '<stop offset="1" stop-color="#D8F1FB"/></linearGradient></defs>'
            '<rect x="1" y="1" width="75" height="62" rx="12.8" ry="12.8" fill="url(#b)" stroke="#0385D1" stroke-width="2"/>')
    body += ring + g_convert77().replace('#FFFFFF', '#0385D1')
    return svg(77, 64, body)
write("donusum_normal.svg", blink())
write("donusum_light.svg", blink(True))

# ---- backgrounds, banner, about pictures, application icon ----
def background(header_h, decor):
    w, h = 827, 619
    s = ('<defs>'
         '<linearGradient id="body" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#F7FBFE"/>'
         '<stop offset="1" stop-color="#DDEFF8"/></linearGradient>'
         '<linearGradient id="head" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#0385D1"/>'
         '<stop offset="1" stop-color="#019DCB"/></linearGradient>'
         '<linearGradient id="foot" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#019DCB"/>'
         '<stop offset="1" stop-color="#0385D1"/></linearGradient>'
         '</defs>')
    s += f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#body)"/>'
    # a faint grid of dots on the body, like squared exam paper
    s += '<g fill="#0385D1" fill-opacity="0.06">'
    for y in range(header_h + 40, h - 50, 24):
        for x in range(24, w, 24):
            s += f'<circle cx="{x}" cy="{y}" r="1.3"/>'
    s += '</g>'
    hh = header_h
    s += (f'<path d="M0,0 H{w} V{hh-10} C{w*0.72},{hh+18} {w*0.45},{hh-26} 0,{hh+4} Z" fill="url(#head)"/>'
          f'<path d="M0,{hh+4} C{w*0.45},{hh-26} {w*0.72},{hh+18} {w},{hh-10} V{hh-2} '
          f'C{w*0.72},{hh+26} {w*0.45},{hh-18} 0,{hh+12} Z" fill="#019DCB" fill-opacity="0.35"/>')
    if decor:
        for cx, cy, r, o in ((720, 10, 70, 0.10), (790, 70, 45, 0.08), (640, -20, 40, 0.07)):
            s += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#FFFFFF" fill-opacity="{o}"/>'
    fy = h - 34
    s += (f'<path d="M0,{fy+8} C{w*0.3},{fy-6} {w*0.6},{fy+14} {w},{fy} V{h} H0 Z" fill="url(#foot)" fill-opacity="0.9"/>')
    s += f'<rect x="0.5" y="0.5" width="{w-1}" height="{h-1}" fill="none" stroke="#02679F" stroke-width="1"/>'
    return svg(w, h, s)

write("background_menu.svg", background(108, True))
write("background_window.svg", background(84, True))

def banner():
    w, h = 500, 48
    s = ('<defs><linearGradient id="bn" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#0385D1"/>'
         '<stop offset="0.5" stop-color="#019DCB"/><stop offset="1" stop-color="#0385D1"/></linearGradient></defs>')
    s += f'<rect x="1" y="1" width="{w-2}" height="{h-2}" rx="23" ry="23" fill="#FFFFFF" stroke="url(#bn)" stroke-width="2"/>'
    s += f'<rect x="4" y="4" width="40" height="40" rx="20" ry="20" fill="url(#bn)"/>'
    # a mortarboard in the round badge
    s += ('<path d="M24,14 L38,20 L24,26 L10,20 Z" fill="#FFFFFF"/>'
          '<path d="M16,23 V29 C20,33 28,33 32,29 V23 L24,27 Z" fill="#FFFFFF"/>'
          '<path d="M36,21 V29" stroke="#FFFFFF" stroke-width="1.6" fill="none"/><circle cx="36" cy="30" r="1.8" fill="#FFFFFF"/>')
    s += ('<text x="270" y="22" font-family="Liberation Sans" font-weight="bold" font-size="15" text-anchor="middle" '
          'fill="#0385D1">DORNELA ÜNİVERSİTESİ</text>'
          '<text x="270" y="39" font-family="Liberation Sans" font-size="12" text-anchor="middle" '
          'fill="#019DCB">Not Dönüştürme ve Not Ölçeği Yönetimi</text>')
    return svg(w, h, s)
write("banner.svg", banner())

def about_picture(text, light, size):
    body = tile(64, 64, "a", light)
    body += (f'<text x="32" y="{41 if len(text) < 3 else 40}" font-family="DejaVu Sans" font-weight="bold" '
             f'font-size="{size}" text-anchor="middle" fill="#FFFFFF">{text}</text>')
    return svg(64, 64, body)
write("about_0.svg", about_picture("85", False, 26))
write("about_1.svg", about_picture("BA", True, 26))

def app_icon():
    body = tile(256, 256, "i", False, r=52)
    body += '<g transform="translate(22,40) scale(2.75)">' + g_convert77().replace('font-size="23"', 'font-size="25"') + '</g>'
    return svg(256, 256, body)
write("zendaro.svg", app_icon())
