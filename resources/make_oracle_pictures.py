#!/usr/bin/env python3
"""Writes the oracle pictures of this folder as hand-made SVG 1.1.

    fortune_cookie_1.svg ... fortune_cookie_3.svg          three whole fortune cookies
    fortune_cookie_1_broken.svg ... _3_broken.svg          each one broken, a paper slip showing
    domino.svg                                             the domino picture the user clicks
    domino_half_1.svg ... domino_half_7.svg                half n shows n pips, half 7 is the blank
    mahjong_button.svg                                     six tiles for the Mahjong button
    mahjong_tile_01.svg ... mahjong_tile_42.svg            tile n is tile number n of the tile table
    cyclomancy_wheel.svg                                   the ten-sector wheel, no numbers, no hands

Run:  python3 make_oracle_pictures.py [output folder]   (default: the folder of this script)

Python 3 standard library only. The Chinese characters and the small Latin figures on the
tiles are drawn as paths, copied from glyph outlines of two fonts, so the pictures need no
font at all. Only re-running this script needs them (Debian packages fonts-arphic-ukai and
fonts-dejavu-core):
    AR PL UKai TW  (/usr/share/fonts/truetype/arphic/ukai.ttc)   Arphic Public License
    DejaVu Sans Bold (/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)   DejaVu fonts licence
The generated files are committed with this script, so the build does not run it.

The pictures keep to what Qt's SVG renderer draws faithfully: shapes, paths, linear and radial
gradients, transforms and opacity; no text, filters, masks, clip paths or stylesheets.
"""

import math
import os
import struct
import sys

# --------------------------------------------------------------------------------------------
# Fonts: a small TrueType reader (cmap and glyf tables), enough to copy glyph outlines.

UKAI = '/usr/share/fonts/truetype/arphic/ukai.ttc'
UKAI_FACE = 2          # "AR PL UKai TW": traditional forms
DEJAVU_BOLD = '/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'


class Font:
    def __init__(self, path, face=0):
        with open(path, 'rb') as f:
            self.data = data = f.read()
        base = 0
        if data[:4] == b'ttcf':
            base = struct.unpack_from('>I', data, 12 + 4 * face)[0]
        count = struct.unpack_from('>H', data, base + 4)[0]
        self.tables = {}
        for i in range(count):
            tag, _, off, length = struct.unpack_from('>4sIII', data, base + 12 + 16 * i)
            self.tables[tag.decode('latin-1')] = off
        head = self.tables['head']
        self.units = struct.unpack_from('>H', data, head + 18)[0]
        self.long_loca = struct.unpack_from('>h', data, head + 50)[0] == 1
        self.cmap = self._read_cmap()

    def _read_cmap(self):
        d, off = self.data, self.tables['cmap']
        subtables = {}
        for i in range(struct.unpack_from('>H', d, off + 2)[0]):
            pid, eid, sub = struct.unpack_from('>HHI', d, off + 4 + 8 * i)
            subtables[(pid, eid)] = off + sub
        for key in ((3, 10), (0, 4), (3, 1), (0, 3)):
            if key in subtables:
                return self._parse_cmap(subtables[key])
        raise ValueError('no Unicode cmap')

    def _parse_cmap(self, so):
        d = self.data
        fmt = struct.unpack_from('>H', d, so)[0]
        m = {}
        if fmt == 12:
            for i in range(struct.unpack_from('>I', d, so + 12)[0]):
                start, end, gid = struct.unpack_from('>III', d, so + 16 + 12 * i)
                for c in range(start, end + 1):
                    m[c] = gid + c - start
        elif fmt == 4:
            segx2 = struct.unpack_from('>H', d, so + 6)[0]
            seg = segx2 // 2
            ends = struct.unpack_from('>%dH' % seg, d, so + 14)
            starts = struct.unpack_from('>%dH' % seg, d, so + 16 + segx2)
            deltas = struct.unpack_from('>%dh' % seg, d, so + 16 + 2 * segx2)
            ranges_at = so + 16 + 3 * segx2
            ranges = struct.unpack_from('>%dH' % seg, d, ranges_at)
            for i in range(seg):
                for c in range(starts[i], min(ends[i], 0xFFFE) + 1):
                    if ranges[i] == 0:
                        g = (c + deltas[i]) & 0xFFFF
                    else:
                        at = ranges_at + 2 * i + ranges[i] + 2 * (c - starts[i])
                        g = struct.unpack_from('>H', d, at)[0]
                        g = (g + deltas[i]) & 0xFFFF if g else 0
                    if g:
                        m[c] = g
        else:
            raise ValueError('cmap format %d is not supported' % fmt)
        return m

    def _contours(self, gid):
        d = self.data
        loca = self.tables['loca']
        if self.long_loca:
            a, b = struct.unpack_from('>II', d, loca + 4 * gid)
        else:
            a, b = (2 * v for v in struct.unpack_from('>HH', d, loca + 2 * gid))
        if a == b:
            return []
        p = self.tables['glyf'] + a
        ncont = struct.unpack_from('>h', d, p)[0]
        p += 10
        if ncont >= 0:
            ends = struct.unpack_from('>%dH' % ncont, d, p)
            p += 2 * ncont
            npts = ends[-1] + 1 if ncont else 0
            p += 2 + struct.unpack_from('>H', d, p)[0]
            flags = []
            while len(flags) < npts:
                f = d[p]
                p += 1
                flags.append(f)
                if f & 8:
                    flags.extend([f] * d[p])
                    p += 1
            coords = []
            for short, same in ((2, 16), (4, 32)):
                v, vals = 0, []
                for f in flags[:npts]:
                    if f & short:
                        v += d[p] if f & same else -d[p]
                        p += 1
                    elif not f & same:
                        v += struct.unpack_from('>h', d, p)[0]
                        p += 2
                    vals.append(v)
                coords.append(vals)
            xs, ys = coords
            out, start = [], 0
            for e in ends:
                out.append([(xs[i], ys[i], bool(flags[i] & 1)) for i in range(start, e + 1)])
                start = e + 1
            return out
        out = []
        while True:  # composite glyph
            flags, sub = struct.unpack_from('>HH', d, p)
            p += 4
            if flags & 1:
                dx, dy = struct.unpack_from('>hh', d, p)
                p += 4
            else:
                dx, dy = struct.unpack_from('>bb', d, p)
                p += 2
            m = (1.0, 0.0, 0.0, 1.0)
            if flags & 8:
                s = struct.unpack_from('>h', d, p)[0] / 16384.0
                p += 2
                m = (s, 0.0, 0.0, s)
            elif flags & 0x40:
                sx, sy = struct.unpack_from('>hh', d, p)
                p += 4
                m = (sx / 16384.0, 0.0, 0.0, sy / 16384.0)
            elif flags & 0x80:
                m = tuple(v / 16384.0 for v in struct.unpack_from('>hhhh', d, p))
                p += 8
            if not flags & 2:
                raise ValueError('point-matched composite glyphs are not supported')
            for c in self._contours(sub):
                out.append([(m[0] * x + m[2] * y + dx, m[1] * x + m[3] * y + dy, on)
                            for x, y, on in c])
            if not flags & 0x20:
                return out

    def glyph(self, ch):
        return self._contours(self.cmap[ord(ch)])


_fonts = {}


def font(which):
    if which not in _fonts:
        path, face = {'kai': (UKAI, UKAI_FACE), 'sans': (DEJAVU_BOLD, 0)}[which]
        if not os.path.exists(path):
            sys.exit('make_oracle_pictures: font %s is missing (see the comment at the top)' % path)
        _fonts[which] = Font(path, face)
    return _fonts[which]


def num(v):
    s = '%.2f' % v
    s = s.rstrip('0').rstrip('.')
    return '0' if s in ('-0', '') else s


def glyph_path(which, ch, cx, cy, size, em_centre=None):
    """Path data for one glyph; its em square (size x size) centred on (cx, cy)."""
    f = font(which)
    u = f.units
    ecx, ecy = em_centre if em_centre else (u / 2.0, u * 0.38)
    s = size / float(u)

    def pt(x, y):
        return '%s %s' % (num(cx + (x - ecx) * s), num(cy - (y - ecy) * s))

    parts = []
    for c in f.glyph(ch):
        if not c:
            continue
        # start on an on-curve point (or the midpoint of two off-curve points)
        k = next((i for i, q in enumerate(c) if q[2]), None)
        if k is None:
            a, b = c[0], c[1]
            c = [((a[0] + b[0]) / 2.0, (a[1] + b[1]) / 2.0, True)] + c[1:] + c[:1]
        else:
            c = c[k:] + c[:k]
        parts.append('M' + pt(c[0][0], c[0][1]))
        pending = None
        for x, y, on in c[1:] + c[:1]:
            if on:
                if pending:
                    parts.append('Q' + pt(*pending) + ' ' + pt(x, y))
                    pending = None
                else:
                    parts.append('L' + pt(x, y))
            else:
                if pending:
                    mx, my = (pending[0] + x) / 2.0, (pending[1] + y) / 2.0
                    parts.append('Q' + pt(*pending) + ' ' + pt(mx, my))
                pending = (x, y)
        parts.append('Z')
    return ''.join(parts)


def sans_text_path(text, cx, cy, height):
    """Capitals or figures of DejaVu Sans Bold, cap height = height, the line centred on (cx, cy)."""
    f = font('sans')
    cap = 1493.0                       # cap and figure height of DejaVu Sans, in its units
    size = height * f.units / cap
    s = size / f.units
    boxes = []
    for ch in text:
        xs = [q[0] for c in f.glyph(ch) for q in c]
        boxes.append((min(xs), max(xs)))
    gap = 0.12 * height
    width = sum((b - a) * s for a, b in boxes) + gap * (len(text) - 1)
    x = cx - width / 2.0
    out = []
    for ch, (a, b) in zip(text, boxes):
        w = (b - a) * s
        out.append(glyph_path('sans', ch, x + w / 2.0, cy, size, em_centre=((a + b) / 2.0, cap / 2.0)))
        x += w + gap
    return ''.join(out)


# --------------------------------------------------------------------------------------------
# SVG writing

GRADIENTS = {
    # tiles
    'ivory': '<linearGradient id="ivory" x1="0" y1="0" x2="1" y2="1">'
             '<stop offset="0" stop-color="#fffdf6"/><stop offset="0.6" stop-color="#f8eed6"/>'
             '<stop offset="1" stop-color="#e6d3a6"/></linearGradient>',
    'ivoryedge': '<linearGradient id="ivoryedge" x1="0" y1="0" x2="0" y2="1">'
                 '<stop offset="0" stop-color="#e9dab4"/><stop offset="1" stop-color="#c9b07a"/>'
                 '</linearGradient>',
    'tileback': '<linearGradient id="tileback" x1="0" y1="0" x2="1" y2="1">'
                '<stop offset="0" stop-color="#8fbb62"/><stop offset="1" stop-color="#3f6128"/>'
                '</linearGradient>',
    # bamboo sticks: dark edge, light middle, dark edge
    'stickgreen': '<linearGradient id="stickgreen" x1="0" y1="0" x2="1" y2="0">'
                  '<stop offset="0" stop-color="#1f5a2c"/><stop offset="0.35" stop-color="#5cb25e"/>'
                  '<stop offset="0.55" stop-color="#3c8f47"/><stop offset="1" stop-color="#174722"/>'
                  '</linearGradient>',
    'stickblue': '<linearGradient id="stickblue" x1="0" y1="0" x2="1" y2="0">'
                 '<stop offset="0" stop-color="#1b3a73"/><stop offset="0.35" stop-color="#5d8fd6"/>'
                 '<stop offset="0.55" stop-color="#3566b4"/><stop offset="1" stop-color="#142c5a"/>'
                 '</linearGradient>',
    'stickred': '<linearGradient id="stickred" x1="0" y1="0" x2="1" y2="0">'
                '<stop offset="0" stop-color="#7a1a16"/><stop offset="0.35" stop-color="#e0574a"/>'
                '<stop offset="0.55" stop-color="#c03a30"/><stop offset="1" stop-color="#641410"/>'
                '</linearGradient>',
    # circles of the circle suit
    'dotblue': '<radialGradient id="dotblue" cx="0.4" cy="0.35" r="0.7">'
               '<stop offset="0" stop-color="#5d8fd6"/><stop offset="1" stop-color="#1b3a73"/>'
               '</radialGradient>',
    'dotgreen': '<radialGradient id="dotgreen" cx="0.4" cy="0.35" r="0.7">'
                '<stop offset="0" stop-color="#6fbf66"/><stop offset="1" stop-color="#1f5a2c"/>'
                '</radialGradient>',
    'dotred': '<radialGradient id="dotred" cx="0.4" cy="0.35" r="0.7">'
              '<stop offset="0" stop-color="#ea6a5a"/><stop offset="1" stop-color="#7a1a16"/>'
              '</radialGradient>',
    'gold': '<linearGradient id="gold" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#f0cf72"/><stop offset="1" stop-color="#a87c22"/>'
            '</linearGradient>',
    # peacock
    'peacockbody': '<radialGradient id="peacockbody" cx="0.4" cy="0.3" r="0.8">'
                   '<stop offset="0" stop-color="#4fa3d9"/><stop offset="1" stop-color="#174a86"/>'
                   '</radialGradient>',
    'peacocktail': '<radialGradient id="peacocktail" cx="0.5" cy="0.9" r="0.9">'
                   '<stop offset="0" stop-color="#2f7a3a"/><stop offset="0.7" stop-color="#4fa35a"/>'
                   '<stop offset="1" stop-color="#8fcf6a"/></radialGradient>',
    # flowers and seasons
    'petalpink': '<radialGradient id="petalpink" cx="0.5" cy="0.5" r="0.6">'
                 '<stop offset="0" stop-color="#fff1f4"/><stop offset="1" stop-color="#e77f9a"/>'
                 '</radialGradient>',
    'petalviolet': '<linearGradient id="petalviolet" x1="0" y1="0" x2="0" y2="1">'
                   '<stop offset="0" stop-color="#c9a6ee"/><stop offset="1" stop-color="#6a3fa6"/>'
                   '</linearGradient>',
    'petalgold': '<linearGradient id="petalgold" x1="0" y1="0" x2="0" y2="1">'
                 '<stop offset="0" stop-color="#ffe08a"/><stop offset="1" stop-color="#e08a1e"/>'
                 '</linearGradient>',
    'leafgreen': '<linearGradient id="leafgreen" x1="0" y1="0" x2="1" y2="1">'
                 '<stop offset="0" stop-color="#8fcf6a"/><stop offset="1" stop-color="#2f6a2a"/>'
                 '</linearGradient>',
    'lotuspink': '<linearGradient id="lotuspink" x1="0" y1="0" x2="0" y2="1">'
                 '<stop offset="0" stop-color="#ffd6e2"/><stop offset="1" stop-color="#d9557a"/>'
                 '</linearGradient>',
    'water': '<linearGradient id="water" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#9cc8ec"/><stop offset="1" stop-color="#3a78b8"/>'
             '</linearGradient>',
    'maple': '<linearGradient id="maple" x1="0" y1="0" x2="1" y2="1">'
             '<stop offset="0" stop-color="#f6b23a"/><stop offset="0.6" stop-color="#e0572a"/>'
             '<stop offset="1" stop-color="#a82a1a"/></linearGradient>',
    'moon': '<radialGradient id="moon" cx="0.4" cy="0.4" r="0.6">'
            '<stop offset="0" stop-color="#fff6d0"/><stop offset="1" stop-color="#f0cf72"/>'
            '</radialGradient>',
    'snow': '<linearGradient id="snow" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#7fb0ea"/><stop offset="1" stop-color="#2a5aa0"/>'
            '</linearGradient>',
    'swallow': '<linearGradient id="swallow" x1="0" y1="0" x2="0" y2="1">'
               '<stop offset="0" stop-color="#3b4f8a"/><stop offset="1" stop-color="#1a2348"/>'
               '</linearGradient>',
    # dominoes
    'dominoface': '<linearGradient id="dominoface" x1="0" y1="0" x2="1" y2="1">'
                  '<stop offset="0" stop-color="#4f86d6"/><stop offset="0.55" stop-color="#2f62b4"/>'
                  '<stop offset="1" stop-color="#1d4388"/></linearGradient>',
    'dominoside': '<linearGradient id="dominoside" x1="0" y1="0" x2="0" y2="1">'
                  '<stop offset="0" stop-color="#1d3f7a"/><stop offset="1" stop-color="#10264f"/>'
                  '</linearGradient>',
    'pip': '<radialGradient id="pip" cx="0.4" cy="0.35" r="0.7">'
           '<stop offset="0" stop-color="#ffffff"/><stop offset="0.7" stop-color="#f1f5fc"/>'
           '<stop offset="1" stop-color="#c3d2ea"/></radialGradient>',
    'shadow': '<radialGradient id="shadow" cx="0.5" cy="0.5" r="0.5">'
              '<stop offset="0" stop-color="#2a1d52" stop-opacity="0.35"/>'
              '<stop offset="1" stop-color="#2a1d52" stop-opacity="0"/></radialGradient>',
    # fortune cookies
    'paper': '<linearGradient id="paper" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#fffef9"/><stop offset="1" stop-color="#ece2c8"/>'
             '</linearGradient>',
    'crumb': '<linearGradient id="crumb" x1="0" y1="0" x2="1" y2="1">'
             '<stop offset="0" stop-color="#f6d48a"/><stop offset="1" stop-color="#c07a2a"/>'
             '</linearGradient>',
    # the wheel
    'rim': '<linearGradient id="rim" x1="0" y1="0" x2="1" y2="1">'
           '<stop offset="0" stop-color="#f6dc8a"/><stop offset="0.5" stop-color="#d4a43a"/>'
           '<stop offset="1" stop-color="#8a6418"/></linearGradient>',
    'sheen': '<radialGradient id="sheen" cx="0.42" cy="0.38" r="0.62">'
             '<stop offset="0" stop-color="#ffffff" stop-opacity="0.38"/>'
             '<stop offset="0.55" stop-color="#ffffff" stop-opacity="0.05"/>'
             '<stop offset="1" stop-color="#1e1440" stop-opacity="0.3"/></radialGradient>',
}


class Picture:
    def __init__(self, vw, vh, width, height, comment):
        self.vw, self.vh, self.width, self.height = vw, vh, width, height
        self.comment = comment
        self.defs = {}
        self.body = []

    def grad(self, name, text=None):
        self.defs[name] = text if text is not None else GRADIENTS[name]
        return 'url(#%s)' % name

    def add(self, *items):
        self.body.extend(items)

    def text(self):
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" viewBox="0 0 %s %s" '
               'width="%s" height="%s">' % (num(self.vw), num(self.vh), num(self.width), num(self.height)),
               '  <!-- %s -->' % self.comment,
               '  <!-- made by make_oracle_pictures.py; edit the script, not this file -->']
        if self.defs:
            out.append('  <defs>')
            out.extend('    ' + d for d in self.defs.values())
            out.append('  </defs>')
        out.extend('  ' + b for b in self.body)
        out.append('</svg>')
        return '\n'.join(out) + '\n'


def attrs(**kw):
    return ' '.join('%s="%s"' % (k.rstrip('_').replace('_', '-'), num(v) if isinstance(v, float) else v)
                    for k, v in kw.items())


def circle(cx, cy, r, **kw):
    return '<circle cx="%s" cy="%s" r="%s" %s/>' % (num(cx), num(cy), num(r), attrs(**kw))


def ellipse(cx, cy, rx, ry, **kw):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" %s/>' % (num(cx), num(cy), num(rx), num(ry), attrs(**kw))


def rect(x, y, w, h, rx=0, **kw):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" %s/>' % (
        num(x), num(y), num(w), num(h), num(rx), attrs(**kw))


def path(d, **kw):
    return '<path d="%s" %s/>' % (d, attrs(**kw))


def group(items, transform=None, **kw):
    head = '<g'
    if transform:
        head += ' transform="%s"' % transform
    if kw:
        head += ' ' + attrs(**kw)
    return [head + '>'] + ['  ' + i for i in items] + ['</g>']


def rot(cx, cy, r, a_deg):
    """Point at distance r from (cx, cy), a_deg clockwise from 12 o'clock."""
    a = math.radians(a_deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


def pts(*p):
    return ' '.join('%s %s' % (num(x), num(y)) for x, y in p)


# --------------------------------------------------------------------------------------------
# Mahjong tiles: viewBox 90 x 120, ivory face 80 x 108 at (2, 2), the tile's body showing
# below and to the right of it. The painted area of the face is about x 8..76, y 8..104.

TILE_W, TILE_H = 90, 120
FACE_CX, FACE_CY = 42, 56
INK = '#1f2a55'        # dark blue-black of numerals and winds
RED = '#b8281f'
GREEN = '#1f7a3a'
BLUE = '#2356a8'


def tile_body(p):
    return [
        rect(7, 9, 80, 108, 10, fill=p.grad('tileback'), stroke='#2c4519', stroke_width=1.5),
        rect(4.5, 5.5, 80, 108, 10, fill=p.grad('ivoryedge'), stroke='#6e5630', stroke_width=1.2),
        rect(2, 2, 80, 108, 10, fill=p.grad('ivory'), stroke='#5e4828', stroke_width=1.5),
        path('M6.5 14 L6.5 48', fill='none', stroke='#ffffff', stroke_width=2, stroke_linecap='round',
             opacity=0.8),
    ]


def kai(ch, cx, cy, size, colour, weight=0.0):
    """A character of the Kai font as a filled path; weight > 0 thickens it a little."""
    d = glyph_path('kai', ch, cx, cy, size)
    if weight:
        return path(d, fill=colour, stroke=colour, stroke_width=weight, stroke_linejoin='round')
    return path(d, fill=colour)


def latin(text, cx, cy, height, colour):
    return path(sans_text_path(text, cx, cy, height), fill=colour)


# bamboo ------------------------------------------------------------------------------------

def stick(p, cx, cy, length, colour, width=10.0, angle=0.0):
    """One bamboo stick with its end caps and middle node."""
    g = p.grad('stick' + colour)
    dark = {'green': '#123d1c', 'blue': '#0f2550', 'red': '#55100c'}[colour]
    light = {'green': '#b6e6a6', 'blue': '#c1d6f6', 'red': '#ffc2b8'}[colour]
    x, y, w, h = cx - width / 2.0, cy - length / 2.0, width, length
    cap = min(3.2, length * 0.1)
    items = [
        rect(x, y, w, h, w * 0.3, fill=g, stroke=dark, stroke_width=0.9),
        # caps and the node: a slightly wider band
        rect(x - 0.8, y, w + 1.6, cap, cap / 2, fill=g, stroke=dark, stroke_width=0.8),
        rect(x - 0.8, y + h - cap, w + 1.6, cap, cap / 2, fill=g, stroke=dark, stroke_width=0.8),
        rect(x - 0.8, cy - cap / 2, w + 1.6, cap, cap / 2, fill=g, stroke=dark, stroke_width=0.8),
        # highlights on the two segments
        path('M%s %s L%s %s M%s %s L%s %s' % (
            num(x + w * 0.33), num(y + cap + 1.6), num(x + w * 0.33), num(cy - cap / 2 - 1.6),
            num(x + w * 0.33), num(cy + cap / 2 + 1.6), num(x + w * 0.33), num(y + h - cap - 1.6)),
             fill='none', stroke=light, stroke_width=1.2, stroke_linecap='round', opacity=0.75),
    ]
    if angle:
        return group(items, transform='rotate(%s %s %s)' % (num(angle), num(cx), num(cy)))
    return items


def bamboo_sticks(p, layout, length, width=10.0):
    out = []
    for item in layout:
        cx, cy, colour = item[:3]
        angle = item[3] if len(item) > 3 else 0.0
        out.extend(stick(p, cx, cy, length, colour, width, angle))
    return out


def bamboo(p, rank):
    if rank == 1:
        return peacock(p)
    top, bottom = 32, 80
    if rank == 2:
        return bamboo_sticks(p, [(42, top, 'blue'), (42, bottom, 'green')], 40, 11)
    if rank == 3:
        return bamboo_sticks(p, [(42, top, 'green'), (28, bottom, 'blue'), (56, bottom, 'blue')], 40, 11)
    if rank == 4:
        return bamboo_sticks(p, [(27, top, 'green'), (57, top, 'blue'),
                                 (27, bottom, 'blue'), (57, bottom, 'green')], 40, 11)
    if rank == 5:
        return bamboo_sticks(p, [(22, top, 'green'), (62, top, 'blue'),
                                 (22, bottom, 'blue'), (62, bottom, 'green'), (42, 56, 'red')], 40, 11)
    if rank == 6:
        return bamboo_sticks(p, [(x, y, c) for y, c in ((top, 'green'), (bottom, 'blue'))
                                 for x in (21, 42, 63)], 40, 11)
    rows = (24, 56, 88)
    if rank == 7:
        return bamboo_sticks(p, [(42, rows[0], 'red')] +
                             [(x, y, c) for y, c in ((rows[1], 'green'), (rows[2], 'blue'))
                              for x in (21, 42, 63)], 28, 10.5)
    if rank == 8:
        layout = []
        for y, sign, c in ((32, 1, 'green'), (80, -1, 'blue')):
            for i, x in enumerate((16.5, 33.5, 50.5, 67.5)):
                layout.append((x, y, c, sign * (17 if i % 2 == 0 else -17)))
        return bamboo_sticks(p, layout, 40, 9.5)
    if rank == 9:
        return bamboo_sticks(p, [(x, y, c) for y in rows
                                 for x, c in ((21, 'blue'), (42, 'red'), (63, 'green'))], 28, 10.5)
    raise ValueError(rank)


def peacock(p):
    """1 Bamboo: the peacock on its bamboo twig, its tail fanned out behind it."""
    tail = p.grad('peacocktail')
    body = p.grad('peacockbody')
    out = []
    fan_cx, fan_cy = 44, 78
    feathers = []
    for i in range(9):
        a = -76 + i * 19
        tip = rot(fan_cx, fan_cy, 36, a)
        l = rot(fan_cx, fan_cy, 32, a - 9.5)
        r = rot(fan_cx, fan_cy, 32, a + 9.5)
        feathers.append('M%s Q%s %s Q%s %s Z' % (pts((fan_cx, fan_cy)), pts(l), pts(tip), pts(r),
                                                  pts((fan_cx, fan_cy))))
    out.append(path(' '.join(feathers), fill=tail, stroke='#1f5a2c', stroke_width=0.9,
                    stroke_linejoin='round'))
    for i in range(9):
        ex, ey = rot(fan_cx, fan_cy, 28.5, -76 + i * 19)
        out.append(circle(ex, ey, 3.6, fill='#e3b64e', stroke='#7a5716', stroke_width=0.6))
        out.append(circle(ex, ey, 2.1, fill='#1d4f9a'))
        out.append(circle(ex - 0.5, ey - 0.6, 0.8, fill='#bfe3ff'))
    # the twig it stands on
    out.append(path('M10 100 C26 94 50 96 74 98', fill='none', stroke='#6b4226', stroke_width=3.2,
                    stroke_linecap='round'))
    out.append(path('M18 97 C18 93 22 91 26 91 C24 94 22 96 18 97 Z M64 97 C66 93 70 92 73 93 '
                    'C71 95 68 97 64 97 Z', fill='#5fa84e', stroke='#2f6a2a', stroke_width=0.6))
    bird = [
        # legs
        path('M33 86 L31 97 M39 86 L40 97', fill='none', stroke='#b8701e', stroke_width=1.6,
             stroke_linecap='round'),
        # body and neck
        path('M24 33 C30 30 34 36 33 44 C32 54 46 58 50 70 C53 80 46 89 36 89 '
             'C26 89 20 81 22 70 C24 60 26 52 24 44 C23 40 21 36 24 33 Z',
             fill=body, stroke='#0f2f5c', stroke_width=1.1, stroke_linejoin='round'),
        # wing
        path('M30 66 C36 62 46 66 48 76 C44 82 36 84 30 80 C28 76 28 70 30 66 Z',
             fill='#2f8a5a', stroke='#14502f', stroke_width=0.9),
        path('M33 70 C38 69 42 71 44 75 M32 75 C36 75 40 77 41 79', fill='none',
             stroke='#a6e0a0', stroke_width=0.8, stroke_linecap='round', opacity=0.8),
        # head: beak, eye, crest
        path('M21 36 L13 39 L21 40 Z', fill='#e3a03a', stroke='#7a4a12', stroke_width=0.7,
             stroke_linejoin='round'),
        circle(26.5, 35.5, 1.9, fill='#ffffff'),
        circle(26.8, 35.6, 1.0, fill='#101828'),
        path('M23 37 C25 41 28 43 31 44', fill='none', stroke='#ffffff', stroke_width=0.9,
             stroke_linecap='round', opacity=0.6),
    ]
    for dx, top in ((-3, 20), (0, 18), (3, 20)):
        bird.append(path('M%s 32 L%s %s' % (num(27 + dx / 3.0), num(27 + dx), num(top + 4)), fill='none',
                         stroke='#174a86', stroke_width=0.8))
        bird.append(circle(27 + dx, top + 3, 1.5, fill='#3a8fd0', stroke='#174a86', stroke_width=0.5))
    out.extend(group(bird, transform='translate(8 -1)'))
    return out


# circles ------------------------------------------------------------------------------------

def dot(p, cx, cy, r, colour):
    g = p.grad('dot' + colour)
    dark = {'green': '#123d1c', 'blue': '#0f2550', 'red': '#55100c'}[colour]
    out = [circle(cx, cy, r, fill=g, stroke=dark, stroke_width=0.9),
           circle(cx, cy, r * 0.72, fill='#fbf6e8', stroke=dark, stroke_width=0.5),
           circle(cx, cy, r * 0.52, fill=g, stroke=dark, stroke_width=0.5),
           circle(cx, cy, r * 0.2, fill='#fbf6e8')]
    # a ring of beads between the outer ring and the core
    n = 8 if r < 13 else 12
    beads = []
    for i in range(n):
        x, y = rot(cx, cy, r * 0.62, i * 360.0 / n)
        beads.append(circle(x, y, r * 0.065, fill=dark))
    return out + beads


def circles(p, rank):
    if rank == 1:
        return big_circle(p)
    layouts = {
        2: [(42, 31, 17.5, 'green'), (42, 81, 17.5, 'blue')],
        3: [(22, 25, 13, 'blue'), (42, 56, 13, 'red'), (62, 87, 13, 'green')],
        4: [(26, 35, 14, 'blue'), (58, 35, 14, 'green'), (26, 77, 14, 'green'), (58, 77, 14, 'blue')],
        5: [(23, 29, 12, 'blue'), (61, 29, 12, 'green'), (42, 56, 12, 'red'),
            (23, 83, 12, 'green'), (61, 83, 12, 'blue')],
        6: [(27, 23, 12, 'green'), (57, 23, 12, 'green'),
            (27, 59, 12, 'red'), (57, 59, 12, 'red'), (27, 88, 12, 'red'), (57, 88, 12, 'red')],
        7: [(20, 18, 9.5, 'green'), (42, 28, 9.5, 'green'), (64, 38, 9.5, 'green'),
            (28, 64, 11.5, 'red'), (56, 64, 11.5, 'red'), (28, 91, 11.5, 'red'), (56, 91, 11.5, 'red')],
        8: [(x, y, 11, 'blue') for y in (20, 44, 68, 92) for x in (28, 56)],
        9: [(x, y, 10.5, c) for y, c in ((24, 'blue'), (56, 'red'), (88, 'green')) for x in (20, 42, 64)],
    }
    out = []
    for cx, cy, r, c in layouts[rank]:
        out.extend(dot(p, cx, cy, r, c))
    return out


def big_circle(p):
    """1 Circle: the pearl, one large ornamental circle."""
    cx, cy = FACE_CX, FACE_CY
    out = []
    petals = []
    for i in range(16):
        x, y = rot(cx, cy, 28, i * 22.5)
        petals.append(ellipse(x, y, 5.2, 5.2, fill=p.grad('dotgreen'), stroke='#123d1c', stroke_width=0.7))
    out.extend(petals)
    out.append(circle(cx, cy, 27, fill=p.grad('dotblue'), stroke='#0f2550', stroke_width=1))
    out.append(circle(cx, cy, 21.5, fill='#fbf6e8', stroke='#0f2550', stroke_width=0.6))
    for i in range(12):
        x, y = rot(cx, cy, 18.2, i * 30 + 15)
        out.append(circle(x, y, 2.2, fill=p.grad('dotred'), stroke='#55100c', stroke_width=0.4))
    out.append(circle(cx, cy, 14.5, fill=p.grad('dotred'), stroke='#55100c', stroke_width=0.8))
    out.append(circle(cx, cy, 10, fill='#fbf6e8', stroke='#55100c', stroke_width=0.5))
    out.append(circle(cx, cy, 7, fill=p.grad('dotgreen'), stroke='#123d1c', stroke_width=0.6))
    out.append(circle(cx, cy, 2.6, fill='#fbf6e8'))
    return out


# characters, honours --------------------------------------------------------------------------

CHINESE_NUMERALS = '一二三四五六七八九'


def characters(p, rank):
    return [latin(str(rank), 13.5, 15, 8, '#8a2a22'),
            kai(CHINESE_NUMERALS[rank - 1], 44, 30, 38, INK, 0.6),
            kai('萬', 42, 78, 50, RED, 0.6)]


def dragon(p, which):
    if which == 'red':
        return [kai('中', FACE_CX, FACE_CY + 2, 66, RED, 0.8)]
    if which == 'green':
        return [kai('發', FACE_CX, FACE_CY + 2, 64, GREEN, 0.6)]
    # white dragon: the blue frame
    return [rect(14, 16, 56, 80, 5, fill='none', stroke=BLUE, stroke_width=5),
            rect(20.5, 22.5, 43, 67, 2.5, fill='none', stroke=BLUE, stroke_width=1.4)]


def wind(p, ch, letter):
    return [latin(letter, 13.5, 15, 8, '#8a2a22'),
            kai(ch, FACE_CX, FACE_CY + 3, 62, INK, 0.7)]


# flowers and seasons -----------------------------------------------------------------------

def leaf(x1, y1, x2, y2, width, bend=0.0):
    """Lens-shaped leaf from (x1, y1) to (x2, y2); bend shifts its middle sideways."""
    mx, my = (x1 + x2) / 2.0, (y1 + y2) / 2.0
    dx, dy = x2 - x1, y2 - y1
    ln = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / ln, dx / ln
    a = (mx + nx * (width + bend), my + ny * (width + bend))
    b = (mx - nx * (width - bend), my - ny * (width - bend))
    return 'M%s Q%s %s Q%s %s Z' % (pts((x1, y1)), pts(a), pts((x2, y2)), pts(b), pts((x1, y1)))


def blossom(p, cx, cy, r, grad='petalpink', edge='#b4506a', petals=5, turn=0.0):
    out = []
    for i in range(petals):
        x, y = rot(cx, cy, r * 0.55, turn + i * 360.0 / petals)
        out.append(circle(x, y, r * 0.52, fill=p.grad(grad), stroke=edge, stroke_width=0.6))
    out.append(circle(cx, cy, r * 0.26, fill='#f0b830', stroke='#a8741a', stroke_width=0.4))
    return out


def plum(p):
    out = [path('M14 102 C22 88 26 80 34 72 C42 64 50 58 58 46 C62 40 64 36 68 32', fill='none',
                stroke='#5a3418', stroke_width=3.6, stroke_linecap='round'),
           path('M34 72 C44 74 54 76 66 72 M50 58 C46 50 44 44 44 38', fill='none', stroke='#5a3418',
                stroke_width=2.2, stroke_linecap='round')]
    for cx, cy, r, t in ((30, 78, 8.5, 10), (52, 54, 9, 40), (62, 72, 7.5, 0), (44, 38, 6, 20)):
        out.extend(blossom(p, cx, cy, r, turn=t))
    out.append(circle(68, 32, 2.8, fill='#e77f9a', stroke='#b4506a', stroke_width=0.5))
    out.append(circle(20, 92, 2.4, fill='#e77f9a', stroke='#b4506a', stroke_width=0.5))
    return out


def orchid(p):
    g = p.grad('leafgreen')
    out = [path(' '.join([leaf(40, 102, 12, 56, 3.2, -4), leaf(42, 102, 70, 62, 3, 4),
                          leaf(41, 102, 26, 40, 2.6, -2), leaf(43, 102, 58, 84, 2.4, 2)]),
                fill=g, stroke='#2f6a2a', stroke_width=0.7, stroke_linejoin='round'),
           path('M42 100 C44 80 48 64 54 50 M42 100 C38 84 34 72 28 62', fill='none', stroke='#4f8a3a',
                stroke_width=1.3, stroke_linecap='round')]
    for cx, cy, t in ((54, 44, 0), (27, 56, -20)):
        petals = []
        for k in range(5):
            a = t + k * 72
            x, y = rot(cx, cy, 11, a)
            petals.append(leaf(cx, cy, x, y, 3.3))
        out.append(path(' '.join(petals), fill=p.grad('petalviolet'), stroke='#4a2a80', stroke_width=0.6,
                        stroke_linejoin='round'))
        out.append(ellipse(cx, cy + 2, 2.6, 3.4, fill='#f6e27a', stroke='#8a5a1a', stroke_width=0.5))
        out.append(circle(cx, cy + 1, 0.9, fill='#b8281f'))
    return out


def chrysanthemum(p):
    cx, cy = 42, 54
    out = [path('M42 72 C42 84 40 94 38 104', fill='none', stroke='#3f7a2e', stroke_width=2.4,
                stroke_linecap='round'),
           path(leaf(41, 88, 18, 80, 5, -2) + ' ' + leaf(40, 96, 64, 88, 5, 2), fill=p.grad('leafgreen'),
                stroke='#2f6a2a', stroke_width=0.7)]
    for ring, (n, length, w, turn) in enumerate(((22, 21, 2.6, 0), (16, 14, 2.4, 11), (12, 8, 2.1, 5))):
        petals = []
        for k in range(n):
            x, y = rot(cx, cy, length, turn + k * 360.0 / n)
            petals.append(leaf(cx, cy, x, y, w))
        out.append(path(' '.join(petals), fill=p.grad('petalgold'), stroke='#a85a12', stroke_width=0.5,
                        stroke_linejoin='round'))
    out.append(circle(cx, cy, 4, fill='#d9702a', stroke='#8a3e12', stroke_width=0.6))
    return out


def bamboo_plant(p):
    out = []
    for x0, x1, top, w in ((30, 34, 26, 5.5), (52, 50, 40, 4.8)):
        out.append(path('M%s 104 L%s %s' % (num(x0), num(x1), num(top)), fill='none', stroke='#2f6a2a',
                        stroke_width=w + 1.6, stroke_linecap='round'))
        out.append(path('M%s 104 L%s %s' % (num(x0), num(x1), num(top)), fill='none', stroke='#6fb85a',
                        stroke_width=w, stroke_linecap='round'))
        for t in (0.3, 0.58, 0.85):
            y = 104 + (top - 104) * t
            x = x0 + (x1 - x0) * t
            out.append(path('M%s %s L%s %s' % (num(x - w / 2 - 0.6), num(y), num(x + w / 2 + 0.6), num(y)),
                            fill='none', stroke='#2f6a2a', stroke_width=1.3, stroke_linecap='round'))
    leaves = [leaf(34, 46, 14, 38, 3, -1), leaf(34, 46, 20, 56, 2.6, 1), leaf(33, 36, 48, 24, 2.8, 1),
              leaf(50, 56, 70, 48, 3, 1), leaf(50, 56, 68, 66, 2.6, -1), leaf(51, 70, 66, 80, 2.4, 0),
              leaf(31, 70, 16, 76, 2.4, 0)]
    out.append(path(' '.join(leaves), fill=p.grad('leafgreen'), stroke='#2f6a2a', stroke_width=0.7,
                    stroke_linejoin='round'))
    return out


def spring(p):
    """A swallow over new green shoots and a blossom."""
    out = [path(' '.join([leaf(30, 102, 22, 80, 3, -1), leaf(32, 102, 38, 78, 3, 1),
                          leaf(54, 102, 48, 84, 2.6, -1), leaf(56, 102, 64, 82, 2.8, 1)]),
                fill=p.grad('leafgreen'), stroke='#2f6a2a', stroke_width=0.7)]
    out.extend(blossom(p, 43, 90, 8, turn=15))
    # swallow, flying to the left
    out.append(path('M14 50 C18 45 26 43 33 46 C42 38 56 30 72 26 C62 36 54 43 46 50 '
                    'C54 52 63 54 74 55 C66 57 61 58 56 58 C62 62 67 66 72 72 C62 67 51 62 42 59 '
                    'C33 59 25 57 19 54 C17 53 15 52 14 50 Z',
                    fill=p.grad('swallow'), stroke='#10183a', stroke_width=0.8, stroke_linejoin='round'))
    out.append(path('M22 54 C28 57 36 58 42 58 C36 60 28 59 22 54 Z', fill='#f6ecd2'))
    out.append(path('M17 52 C19 53 21 53.5 23 53.5', fill='none', stroke='#c8372f', stroke_width=1.6,
                    stroke_linecap='round'))
    out.append(circle(20.5, 48.6, 0.9, fill='#ffffff'))
    return out


def summer(p):
    """A lotus on the water under the summer sun."""
    out = [circle(62, 38, 8, fill='#f6b23a', stroke='#b8701e', stroke_width=0.8)]
    for i in range(8):
        a = i * 45
        x1, y1 = rot(62, 38, 11, a)
        x2, y2 = rot(62, 38, 15, a)
        out.append(path('M%s L%s' % (pts((x1, y1)), pts((x2, y2))), fill='none', stroke='#e08a1e',
                        stroke_width=1.6, stroke_linecap='round'))
    wave = 'M12 92' + ''.join(' Q%s 88 %s 92 Q%s 96 %s 92' % (x + 3, x + 6, x + 9, x + 12)
                              for x in range(12, 72, 12))
    out.append(path(wave + ' L72 100 Q72 103 69 103 L15 103 Q12 103 12 100 Z',
                    fill=p.grad('water'), stroke='#2a5a8a', stroke_width=0.8, stroke_linejoin='round'))
    out.append(path('M18 97 L28 97 M48 99 L62 99', fill='none', stroke='#d8ecfa', stroke_width=1.1,
                    stroke_linecap='round'))
    out.append(path('M52 92 C50 84 58 80 68 84 C66 90 60 93 52 92 Z', fill=p.grad('leafgreen'),
                    stroke='#2f6a2a', stroke_width=0.7))
    lotus = [leaf(36, 86, 22, 66, 5.5, -1), leaf(36, 86, 50, 66, 5.5, 1), leaf(36, 86, 28, 58, 5.5, 0),
             leaf(36, 86, 44, 58, 5.5, 0), leaf(36, 86, 36, 54, 5.5, 0)]
    out.append(path(' '.join(lotus), fill=p.grad('lotuspink'), stroke='#a83a5a', stroke_width=0.7,
                    stroke_linejoin='round'))
    out.append(ellipse(36, 84, 7, 2.6, fill='#f6d04a', stroke='#a8741a', stroke_width=0.5))
    return out


def autumn(p):
    """A maple leaf before the harvest moon."""
    out = [circle(54, 44, 16, fill=p.grad('moon'), stroke='#c8a040', stroke_width=0.8)]
    cx, cy = 38, 72
    # maple leaf: five toothed lobes, given as (angle, radius) round its centre
    half = [(0, 26), (9, 17), (15, 19), (30, 9), (42, 17), (49, 15), (60, 24), (71, 15), (79, 16),
            (95, 8), (110, 12), (124, 15), (140, 7), (165, 5)]
    polar = half + [(-a, r) for a, r in reversed(half[1:])]
    outline = [rot(cx, cy, r * 1.2, a) for a, r in polar]
    d = 'M' + pts(outline[0]) + ''.join(' L' + pts(q) for q in outline[1:]) + ' Z'
    out.append(path(d, fill=p.grad('maple'), stroke='#7a1e12', stroke_width=0.9, stroke_linejoin='round',
                    transform='rotate(-20 %s %s)' % (cx, cy)))
    veins = []
    for a in (0, 60, -60, 124, -124):
        x, y = rot(cx, cy, 17, a - 20)
        veins.append('M%s L%s' % (pts((cx, cy)), pts((x, y))))
    sx, sy = rot(cx, cy, 25, 160)
    veins.append('M%s L%s' % (pts((cx, cy)), pts((sx, sy))))
    out.append(path(' '.join(veins), fill='none', stroke='#8a2a16', stroke_width=0.9, stroke_linecap='round'))
    return out


def winter(p):
    """A snowflake in the winter sky."""
    out = []

    def flake(cx, cy, r, w):
        arms = []
        for i in range(6):
            a = i * 60
            tip = rot(cx, cy, r, a)
            arms.append('M%s L%s' % (pts((cx, cy)), pts(tip)))
            for t, l in ((0.55, 0.32), (0.8, 0.2)):
                base = rot(cx, cy, r * t, a)
                for s in (-45, 45):
                    b2 = rot(base[0], base[1], r * l, a + s)
                    arms.append('M%s L%s' % (pts(base), pts(b2)))
        d = ' '.join(arms)
        return [path(d, fill='none', stroke='#163a72', stroke_width=w + 1.4, stroke_linecap='round',
                     stroke_linejoin='round'),
                path(d, fill='none', stroke='#8fbcf0', stroke_width=w, stroke_linecap='round',
                     stroke_linejoin='round')]

    out.extend(flake(42, 68, 26, 2.4))
    out.append(circle(42, 68, 3.2, fill='#dcecff', stroke='#163a72', stroke_width=0.8))
    out.extend(flake(16, 40, 6, 1.0))
    out.extend(flake(66, 98, 5, 1.0))
    return out


FLOWER_RED = '#b8281f'
SEASON_BLUE = '#2356a8'


def bonus(p, number, ch, motif, colour):
    return [latin(str(number), 14, 16, 10, colour), kai(ch, 66, 18, 17, colour, 0.5)] + motif(p)


# the table ---------------------------------------------------------------------------------

# tile number -> (description, painter); the order is that of the tile table
TILES = [
    ('4 Bamboo', lambda p: bamboo(p, 4)),
    ('2 Bamboo', lambda p: bamboo(p, 2)),
    ('8 Bamboo', lambda p: bamboo(p, 8)),
    ('5 Bamboo', lambda p: bamboo(p, 5)),
    ('1 Bamboo (the peacock)', lambda p: bamboo(p, 1)),
    ('3 Bamboo', lambda p: bamboo(p, 3)),
    ('7 Bamboo', lambda p: bamboo(p, 7)),
    ('6 Bamboo', lambda p: bamboo(p, 6)),
    ('9 Bamboo', lambda p: bamboo(p, 9)),
    ('3 Wan (Character)', lambda p: characters(p, 3)),
    ('6 Wan (Character)', lambda p: characters(p, 6)),
    ('9 Wan (Character)', lambda p: characters(p, 9)),
    ('5 Wan (Character)', lambda p: characters(p, 5)),
    ('8 Wan (Character)', lambda p: characters(p, 8)),
    ('4 Wan (Character)', lambda p: characters(p, 4)),
    ('1 Wan (Character)', lambda p: characters(p, 1)),
    ('2 Wan (Character)', lambda p: characters(p, 2)),
    ('7 Wan (Character)', lambda p: characters(p, 7)),
    ('5 Circle', lambda p: circles(p, 5)),
    ('7 Circle', lambda p: circles(p, 7)),
    ('4 Circle', lambda p: circles(p, 4)),
    ('6 Circle', lambda p: circles(p, 6)),
    ('1 Circle', lambda p: circles(p, 1)),
    ('3 Circle', lambda p: circles(p, 3)),
    ('2 Circle', lambda p: circles(p, 2)),
    ('8 Circle', lambda p: circles(p, 8)),
    ('9 Circle', lambda p: circles(p, 9)),
    ('Green Dragon', lambda p: dragon(p, 'green')),
    ('Red Dragon', lambda p: dragon(p, 'red')),
    ('White Dragon', lambda p: dragon(p, 'white')),
    ('Flower 4, Bamboo', lambda p: bonus(p, 4, '竹', bamboo_plant, FLOWER_RED)),
    ('Flower 3, Chrysanthemum', lambda p: bonus(p, 3, '菊', chrysanthemum, FLOWER_RED)),
    ('Flower 2, Orchid', lambda p: bonus(p, 2, '蘭', orchid, FLOWER_RED)),
    ('Flower 1, Plum Blossom', lambda p: bonus(p, 1, '梅', plum, FLOWER_RED)),
    ('Season 3, Autumn', lambda p: bonus(p, 3, '秋', autumn, SEASON_BLUE)),
    ('Season 1, Spring', lambda p: bonus(p, 1, '春', spring, SEASON_BLUE)),
    ('Season 2, Summer', lambda p: bonus(p, 2, '夏', summer, SEASON_BLUE)),
    ('Season 4, Winter', lambda p: bonus(p, 4, '冬', winter, SEASON_BLUE)),
    ('Wind East', lambda p: wind(p, '東', 'E')),
    ('Wind North', lambda p: wind(p, '北', 'N')),
    ('Wind South', lambda p: wind(p, '南', 'S')),
    ('Wind West', lambda p: wind(p, '西', 'W')),
]


def tile_items(p, number):
    return tile_body(p) + TILES[number - 1][1](p)


def mahjong_tile(number):
    p = Picture(TILE_W, TILE_H, 60, 80, 'Mahjong tile %d: %s' % (number, TILES[number - 1][0]))
    p.add(*tile_items(p, number))
    return p


def mahjong_button():
    """Six tiles fanned out like a hand of tiles."""
    p = Picture(480, 200, 240, 100, 'Mahjong Oracle: a hand of six tiles')
    p.add(ellipse(240, 182, 220, 13, fill=p.grad('shadow')))
    hand = (39, 5, 29, 23, 28, 19)        # East, 1 Bamboo, Red Dragon, 1 Circle, Green Dragon, 5 Circle
    pivot_x, pivot_y = 240, 560
    for i, number in enumerate(hand):
        angle = (i - 2.5) * 8.8
        tx, ty = 240 - TILE_W / 2.0, 24
        p.add(*group(tile_items(p, number),
                     transform='rotate(%s %s %s) translate(%s %s)' % (num(angle), pivot_x, pivot_y,
                                                                      num(tx), num(ty))))
    return p


# --------------------------------------------------------------------------------------------
# Dominoes: white pips on blue. A half is a square; pips sit on a 3 x 3 grid.

PIP_GRID = {        # (column, row), 0..2; the six is two rows of three, as on a domino lying flat
    0: [],
    1: [(1, 1)],
    2: [(2, 0), (0, 2)],
    3: [(2, 0), (1, 1), (0, 2)],
    4: [(0, 0), (2, 0), (0, 2), (2, 2)],
    5: [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)],
    6: [(0, 0), (1, 0), (2, 0), (0, 2), (1, 2), (2, 2)],
}


def pips(p, value, x, y, size, upright=False):
    """Pips for one half whose square is (x, y, size); upright turns the six into two columns."""
    out = []
    r = size * 0.105
    for c, rw in PIP_GRID[value]:
        if upright:
            c, rw = rw, c
        cx = x + size * (0.25 + 0.25 * c)
        cy = y + size * (0.25 + 0.25 * rw)
        out.append(circle(cx, cy, r, fill=p.grad('pip'), stroke='#0f2550', stroke_width=size * 0.012))
    return out


def domino_half(value):
    p = Picture(100, 100, 64, 64, 'Domino half: %s' % ('%d pip%s' % (value, 's' if value > 1 else '')
                                                       if value else 'blank'))
    p.add(rect(4, 7, 92, 90, 13, fill=p.grad('dominoside'), stroke='#0c1f42', stroke_width=1.6),
          rect(4, 3, 92, 90, 13, fill=p.grad('dominoface'), stroke='#0c1f42', stroke_width=1.6),
          rect(8, 7, 84, 82, 10, fill='none', stroke='#8fb3ea', stroke_width=1.2, opacity=0.55),
          path('M12 16 L12 52', fill='none', stroke='#ffffff', stroke_width=2, stroke_linecap='round',
               opacity=0.45))
    p.add(*pips(p, value, 4, 3, 92))
    return p


def domino_piece(p, top, bottom, cx, cy, angle, w=60):
    """An upright domino of two halves, turned by angle degrees about its centre."""
    h = 2 * w
    x, y = cx - w / 2.0, cy - h / 2.0
    t = w * 0.08
    items = [
        rect(x + t * 0.7, y + t, w, h, w * 0.16, fill=p.grad('dominoside'), stroke='#0c1f42',
             stroke_width=1.4),
        rect(x, y, w, h, w * 0.16, fill=p.grad('dominoface'), stroke='#0c1f42', stroke_width=1.4),
        rect(x + 3, y + 3, w - 6, h - 6, w * 0.12, fill='none', stroke='#8fb3ea', stroke_width=1,
             opacity=0.5),
        path('M%s %s L%s %s' % (num(x + w * 0.14), num(cy), num(x + w * 0.86), num(cy)), fill='none',
             stroke='#0c1f42', stroke_width=2.2, stroke_linecap='round'),
        path('M%s %s L%s %s' % (num(x + w * 0.14), num(cy + 1.4), num(x + w * 0.86), num(cy + 1.4)),
             fill='none', stroke='#8fb3ea', stroke_width=0.9, stroke_linecap='round', opacity=0.7),
        circle(cx, cy, w * 0.065, fill=p.grad('gold'), stroke='#6e4f14', stroke_width=0.8),
        path('M%s %s L%s %s' % (num(x + 6), num(y + 10), num(x + 6), num(y + h * 0.35)), fill='none',
             stroke='#ffffff', stroke_width=2, stroke_linecap='round', opacity=0.4),
    ]
    items += pips(p, top, x, y, w, upright=True) + pips(p, bottom, x, cy, w, upright=True)
    return group(items, transform='rotate(%s %s %s)' % (num(angle), num(cx), num(cy)))


def domino_main():
    p = Picture(240, 180, 200, 150, 'Domino Oracle: three dominoes to click')
    p.add(ellipse(120, 160, 105, 14, fill=p.grad('shadow')))
    p.add(*domino_piece(p, 6, 3, 64, 88, -30))
    p.add(*domino_piece(p, 2, 5, 176, 88, 26))
    p.add(*domino_piece(p, 1, 4, 120, 88, -4))
    return p


# --------------------------------------------------------------------------------------------
# Fortune cookies: viewBox 200 x 200. The cookie is drawn as two halves that meet at its fold,
# so the broken cookie is the same cookie pulled apart along a jagged crack.

COOKIES = [
    # light, middle, dark, outline colour; placement; light source (gradient centre)
    dict(light='#fbe6a6', mid='#e6ae52', dark='#ad6a20', line='#6e3c0e',
         place='rotate(-9 100 100)', glow=(0.38, 0.28)),
    dict(light='#fff1c8', mid='#efc47a', dark='#c08034', line='#7a4a16',
         place='translate(100 100) rotate(8) scale(1.04 0.96) skewX(-7) translate(-100 -100)',
         glow=(0.6, 0.3)),
    dict(light='#f6d28e', mid='#d8923c', dark='#94521a', line='#5e330c',
         place='translate(100 102) rotate(-2) scale(1.06 0.94) translate(-100 -100)',
         glow=(0.45, 0.25)),
]

CRACK = [(100, 40), (95, 51), (104, 61), (96, 73), (106, 85), (97, 97), (105, 109), (96, 121),
         (104, 134), (100, 152)]


def cookie_defs(p, n, c):
    body = p.grad('cookie%d' % n,
                  '<radialGradient id="cookie%d" cx="%s" cy="%s" r="0.8">'
                  '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="%s"/>'
                  '<stop offset="1" stop-color="%s"/></radialGradient>'
                  % (n, c['glow'][0], c['glow'][1], c['light'], c['mid'], c['dark']))
    fold = p.grad('fold%d' % n,
                  '<linearGradient id="fold%d" x1="0" y1="0" x2="0" y2="1">'
                  '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
                  % (n, c['mid'], c['dark']))
    return body, fold


def half_outline(side):
    """Outline of one half: +1 the right, -1 the left, from the top of the fold round to its foot."""
    def m(x, y):
        return (200 - x, y) if side > 0 else (x, y)
    segs = [((68, 40), (38, 50), (24, 76)), ((14, 96), (8, 120), (12, 138)),
            ((26, 152), (52, 152), (66, 138)), ((78, 124), (92, 124), (100, 154))]
    d = 'M' + pts(m(100, 40))
    for a, b, e in segs:
        d += ' C' + pts(m(*a), m(*b), m(*e))
    return d


def mirror(points, side):
    return [(200 - x, y) if side > 0 else (x, y) for x, y in points]


def cookie_half(p, n, c, side, broken):
    body, fold = cookie_defs(p, n, c)
    outline = half_outline(side)
    if broken:
        back = list(reversed(CRACK))[1:]
        d = outline + ''.join(' L' + pts(q) for q in back) + ' Z'
    else:
        d = outline + ' L100 40 Z'
    m = lambda *q: mirror(q, side)
    out = [path(d, fill=body, stroke=c['line'] if broken else 'none', stroke_width=2,
                stroke_linejoin='round')]
    # the hollow underside of the wing
    out.append(path('M%s C%s C%s Z' % (pts(*m((12, 138))), pts(*m((26, 152), (52, 152), (66, 138))),
                                       pts(*m((52, 122), (26, 120), (12, 138)))),
                    fill=c['dark'], stroke=c['line'], stroke_width=1.2, stroke_linejoin='round'))
    out.append(path('M%s C%s' % (pts(*m((20, 138))), pts(*m((30, 130), (48, 130), (60, 138)))),
                    fill='none', stroke='#3e1f06', stroke_width=3, stroke_linecap='round', opacity=0.45))
    out.append(path('M%s C%s' % (pts(*m((13, 136))), pts(*m((26, 121), (50, 123), (64, 137)))),
                    fill='none', stroke=c['light'], stroke_width=1.4, stroke_linecap='round', opacity=0.9))
    # the sheen on the lobe and the fold beside the crease
    out.append(path('M%s C%s' % (pts(*m((36, 100))), pts(*m((36, 76), (54, 56), (80, 50)))), fill='none',
                    stroke='#fff6da', stroke_width=3, stroke_linecap='round', opacity=0.55))
    out.append(path('M%s C%s C%s Z' % (pts(*m((84, 132))), pts(*m((90, 110), (96, 84), (100, 62))),
                                       pts(*m((100, 100), (100, 130), (100, 152)))),
                    fill=fold, opacity=0.9))
    out.append(path('M%s C%s' % (pts(*m((84, 132))), pts(*m((90, 110), (96, 84), (100, 62)))), fill='none',
                    stroke=c['line'], stroke_width=1.2, stroke_linecap='round', opacity=0.7))
    # a few toasted freckles
    for x, y, r in ((52, 92, 1.4), (64, 76, 1.1), (44, 112, 1.2), (72, 104, 1.0)):
        q = m((x, y))[0]
        out.append(circle(q[0], q[1], r, fill=c['dark'], opacity=0.35))
    if broken:
        # the broken edge: the thin shell and the hollow inside it
        crack = 'M' + ' L'.join(pts(q) for q in CRACK)
        inner = [(x - side * 5, y) for x, y in CRACK[1:-1]]
        out.append(path('M' + pts(CRACK[0]) + ''.join(' L' + pts(q) for q in inner) + ' L' + pts(CRACK[-1])
                        + ''.join(' L' + pts(q) for q in reversed(CRACK[1:-1])) + ' Z',
                        fill='#8a4a14', stroke='none', opacity=0.85))
        out.append(path(crack, fill='none', stroke='#fbe8b4', stroke_width=2.2, stroke_linejoin='round',
                        stroke_linecap='round'))
        out.append(path(crack, fill='none', stroke=c['line'], stroke_width=0.9, stroke_linejoin='round',
                        opacity=0.8))
    return out


def cookie_whole_outline(c):
    return path(half_outline(-1) + ' ' + half_outline(1), fill='none', stroke=c['line'], stroke_width=2,
                stroke_linejoin='round')


def fortune_cookie(n):
    c = COOKIES[n - 1]
    p = Picture(200, 200, 160, 160, 'Fortune cookie %d, whole' % n)
    p.add(ellipse(100, 168, 80, 12, fill=p.grad('shadow')))
    items = cookie_half(p, n, c, -1, False) + cookie_half(p, n, c, 1, False)
    # the crease where the two lobes fold into each other
    items.append(path('M100 64 C100 100 100 130 100 152', fill='none', stroke=c['line'], stroke_width=1.6,
                      stroke_linecap='round', opacity=0.8))
    items.append(cookie_whole_outline(c))
    p.add(*group(items, transform=c['place']))
    return p


def paper_slip(p):
    """The fortune, a strip of paper whose ends stay inside the two halves."""
    x0, y0, slope, depth = 40, 100, -0.09, 19

    def at(x, dy):
        return (x, y0 + (x - x0) * slope + dy)
    items = [path('M%s L%s L%s L%s Z' % (pts(at(x0, 0)), pts(at(160, 0)), pts(at(160, depth)),
                                          pts(at(x0, depth))),
                  fill=p.grad('paper'), stroke='#8a7450', stroke_width=1.2, stroke_linejoin='round')]
    # a line of printing, and the lucky numbers in red under it
    writing, x = [], 66
    for w in (9, 5, 12, 7, 10, 6):
        writing.append('M%s L%s' % (pts(at(x, 6.5)), pts(at(x + w, 6.5))))
        x += w + 4
    items.append(path(' '.join(writing), fill='none', stroke='#5a3f94', stroke_width=2.6,
                      stroke_linecap='round'))
    lucky, x = [], 74
    for _ in range(5):
        lucky.append('M%s L%s' % (pts(at(x, 13)), pts(at(x + 4, 13))))
        x += 10
    items.append(path(' '.join(lucky), fill='none', stroke='#b8281f', stroke_width=2,
                      stroke_linecap='round'))
    return items


def fortune_cookie_broken(n):
    c = COOKIES[n - 1]
    p = Picture(200, 200, 160, 160, 'Fortune cookie %d, broken open, its fortune showing' % n)
    p.add(ellipse(100, 170, 90, 12, fill=p.grad('shadow')))
    left = cookie_half(p, n, c, -1, True)
    right = cookie_half(p, n, c, 1, True)
    scene = paper_slip(p)
    scene += group(group(left, transform='translate(-22 6) rotate(-18 100 150)'), transform=c['place'])
    scene += group(group(right, transform='translate(22 4) rotate(17 100 150)'), transform=c['place'])
    p.add(*group(scene, transform='translate(100 106) scale(0.76) translate(-100 -100)'))
    crumbs = [(86, 164, 3.2), (96, 168, 2.2), (108, 163, 2.6), (116, 170, 1.8), (78, 170, 1.6)]
    for x, y, r in crumbs:
        corners = ((x - r, y), (x - r * 0.2, y - r), (x + r, y - r * 0.3), (x + r * 0.3, y + r * 0.8))
        p.add(path('M%s L%s L%s L%s Z' % tuple(pts(q) for q in corners),
                   fill=p.grad('crumb'), stroke=c['line'], stroke_width=0.6, stroke_linejoin='round'))
    return p


# --------------------------------------------------------------------------------------------
# Cyclomancy wheel, designed for 200 x 200 pixels.
# Sector k (k = 0..9, number k + 1) runs clockwise from k*36 to (k+1)*36 degrees, measured from
# 12 o'clock. Hand k, drawn from the centre, points at k*36 + 18 degrees: the middle of sector k,
# i.e. number k + 1. So "1" sits at the upper right and "10" at the upper left of the top.

WHEEL_COLOURS = ['#c8443a', '#e0883a', '#e3b64e', '#9ab84e', '#5f9a4a',
                 '#3a9a8f', '#3a6fc0', '#4a3c9a', '#7a4fb0', '#b04a8a']


def cyclomancy_wheel():
    p = Picture(200, 200, 200, 200, 'Cyclomancy wheel: sector k spans k*36..(k+1)*36 degrees clockwise '
                'from 12 o\'clock; hand k points at k*36+18 degrees, number k+1')
    cx = cy = 100
    p.add(circle(cx, cy, 97, fill=p.grad('rim'), stroke='#6e4f14', stroke_width=1.6))
    p.add(circle(cx, cy, 88, fill='#2a1d52', stroke='#6e4f14', stroke_width=1.2))
    r = 86
    edges = []
    for k, colour in enumerate(WHEEL_COLOURS):
        a0, a1 = k * 36, (k + 1) * 36
        p0, p1 = rot(cx, cy, r, a0), rot(cx, cy, r, a1)
        p.add(path('M%s L%s A%s %s 0 0 1 %s Z' % (pts((cx, cy)), pts(p0), r, r, pts(p1)), fill=colour))
        edges.append('M%s L%s' % (pts((cx, cy)), pts(p0)))
    p.add(path(' '.join(edges), fill='none', stroke='#f6ecd2', stroke_width=1.6, opacity=0.9))
    p.add(circle(cx, cy, r, fill=p.grad('sheen'), stroke='#3b2a6b', stroke_width=1.4))
    # studs on the rim, one at each sector boundary
    for k in range(10):
        x, y = rot(cx, cy, 92.5, k * 36)
        p.add(circle(x, y, 2.2, fill='#fff3cf', stroke='#6e4f14', stroke_width=0.7))
    p.add(circle(cx, cy, 9, fill=p.grad('gold'), stroke='#6e4f14', stroke_width=1.2))
    p.add(circle(cx - 2, cy - 2, 2.6, fill='#fff3cf', opacity=0.9))
    return p


# --------------------------------------------------------------------------------------------

def pictures():
    for n in (1, 2, 3):
        yield 'fortune_cookie_%d.svg' % n, fortune_cookie(n)
        yield 'fortune_cookie_%d_broken.svg' % n, fortune_cookie_broken(n)
    yield 'domino.svg', domino_main()
    for n in range(1, 8):
        yield 'domino_half_%d.svg' % n, domino_half(n % 7)   # picture 7 is the blank half
    yield 'mahjong_button.svg', mahjong_button()
    for n in range(1, 43):
        yield 'mahjong_tile_%02d.svg' % n, mahjong_tile(n)
    yield 'cyclomancy_wheel.svg', cyclomancy_wheel()


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, pic in pictures():
        with open(os.path.join(out, name), 'w', encoding='utf-8') as f:
            f.write(pic.text())


if __name__ == '__main__':
    main()
