#!/usr/bin/env python3
"""Draws the shipped method figures of the earth-pressure section.

Black line drawings in millimetres (y down), IPA fonts; run from the source
root: python3 scripts/draw_earth_pressure_figures.py
"""
import math
import os

OUT = os.path.join(os.path.dirname(__file__), '..', 'resources', 'resource')
FONT = 'IPAMincho, IPAPMincho, serif'


class Fig:
    def __init__(self, w, h):
        self.w, self.h, self.items = w, h, []

    def line(self, a, b, sw=0.25, dash=None):
        d = f' stroke-dasharray="{dash}"' if dash else ''
        self.items.append(f'<line x1="{a[0]:.2f}" y1="{a[1]:.2f}" x2="{b[0]:.2f}" y2="{b[1]:.2f}" '
                          f'stroke="#000" stroke-width="{sw}"{d}/>')

    def poly(self, pts, sw=0.4, fill='none', close=True, dash=None):
        tag = 'polygon' if close else 'polyline'
        d = f' stroke-dasharray="{dash}"' if dash else ''
        p = ' '.join(f'{x:.2f},{y:.2f}' for x, y in pts)
        self.items.append(f'<{tag} points="{p}" fill="{fill}" stroke="#000" stroke-width="{sw}"{d}/>')

    def text(self, p, s, sub='', size=3.2, anchor='middle', italic=True):
        st = ' font-style="italic"' if italic else ''
        body = s
        if sub:
            body += f'<tspan font-size="{size * 0.65:.2f}" dy="{size * 0.3:.2f}">{sub}</tspan>'
        self.items.append(f'<text x="{p[0]:.2f}" y="{p[1]:.2f}" font-family="{FONT}" '
                          f'font-size="{size}" text-anchor="{anchor}"{st}>{body}</text>')

    def arrow(self, a, b, sw=0.35, head=1.8):
        self.line(a, b, sw)
        ang = math.atan2(b[1] - a[1], b[0] - a[0])
        l = (b[0] - head * math.cos(ang - 0.35), b[1] - head * math.sin(ang - 0.35))
        r = (b[0] - head * math.cos(ang + 0.35), b[1] - head * math.sin(ang + 0.35))
        self.items.append(f'<polygon points="{b[0]:.2f},{b[1]:.2f} {l[0]:.2f},{l[1]:.2f} '
                          f'{r[0]:.2f},{r[1]:.2f}" fill="#000" stroke="#000" stroke-width="0.1"/>')

    def dim_v(self, x, y1, y2, label, sub='', side=-1):
        self.line((x, y1), (x, y2), 0.2)
        for y in (y1, y2):
            self.line((x - 1.2, y), (x + 1.2, y), 0.2)
        self.text((x + side * 1.5, (y1 + y2) / 2 + 1.2), label, sub,
                  anchor='end' if side < 0 else 'start')

    def dim_h(self, y, x1, x2, label, sub='', below=True):
        self.line((x1, y), (x2, y), 0.2)
        for x in (x1, x2):
            self.line((x, y - 1.2), (x, y + 1.2), 0.2)
        self.text(((x1 + x2) / 2, y + (4 if below else -1.5)), label, sub)

    def ground(self, a, b, step=3.0, up=True):
        """Surface line with short hatch strokes on the soil side."""
        self.line(a, b, 0.3)
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        n = int(length / step)
        ux, uy = (b[0] - a[0]) / length, (b[1] - a[1]) / length
        for k in range(1, n):
            p = (a[0] + ux * k * step, a[1] + uy * k * step)
            q = (p[0] - 1.2, p[1] + 1.8) if up else (p[0] - 1.2, p[1] - 1.8)
            self.line(p, q, 0.15)

    def angle(self, c, r, a0, a1, label, sub=''):
        """Arc at c from direction a0 to a1 (degrees, math sense, y up)."""
        pts = []
        steps = 12
        for k in range(steps + 1):
            t = math.radians(a0 + (a1 - a0) * k / steps)
            pts.append((c[0] + r * math.cos(t), c[1] - r * math.sin(t)))
        self.poly(pts, 0.2, close=False)
        t = math.radians((a0 + a1) / 2)
        self.text((c[0] + (r + 2.8) * math.cos(t), c[1] - (r + 2.8) * math.sin(t) + 1.1), label, sub,
                  size=3.0)

    def save(self, name):
        with open(os.path.join(OUT, name + '.svg'), 'w', encoding='utf-8', newline='\n') as f:
            f.write('<?xml version="1.0" encoding="UTF-8"?>\n')
            f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.w}mm" height="{self.h}mm" '
                    f'viewBox="0 0 {self.w} {self.h}">\n')
            f.write('<rect x="0" y="0" width="100%" height="100%" fill="#fff"/>\n')
            for it in self.items:
                f.write(it + '\n')
            f.write('</svg>\n')


# ---- Wall sections ---------------------------------------------------------
# Each returns (outline, back-face points from bottom to top, base line y,
# heel point, crest back point). The figure frame: base at y = yb, back face
# ending at x = xh.

def wall(kind, xh, yb, H):
    """Outline and back face (bottom to top) of a wall whose heel is at
    (xh, yb). Block and leaning walls lean back over the backfill."""
    top = yb - H
    joints = []
    if kind == 'JYU':
        # Gravity: battered front, vertical back, toe step.
        out = [(xh - 30, yb), (xh, yb), (xh - 7, top), (xh - 15, top), (xh - 26, yb - 7),
               (xh - 30, yb - 7)]
        back = [(xh, yb), (xh - 7, top)]
    elif kind == 'MOTARE':
        # Leaning: both faces lean back.
        t = H * 0.25
        out = [(xh - 18, yb), (xh, yb), (xh + t, top), (xh + t - 8, top)]
        back = [(xh, yb), (xh + t, top)]
    elif kind == 'BLOCK':
        # Block masonry on a footing, face 1:0.3, back parallel to it.
        t = (H - 5) * 0.3
        out = [(xh - 24, yb), (xh + 2, yb), (xh + 2, yb - 5), (xh, yb - 5), (xh + t, top),
               (xh + t - 8, top), (xh - 20, yb - 5), (xh - 24, yb - 5)]
        back = [(xh, yb - 5), (xh + t, top)]
        for k in range(1, 6):
            f = k / 6
            y = yb - 5 - (H - 5) * f
            joints.append(((xh - 20 + (t + 12) * f, y), (xh + t * f, y)))
    else:  # KONGOU: block upper wall on a gravity lower wall
        hl = H * 0.45
        yj = yb - hl
        t = (H - hl) * 0.3
        out = [(xh - 34, yb), (xh, yb), (xh, yj), (xh - 4, yj), (xh - 4 + t, top),
               (xh - 12 + t, top), (xh - 18, yj), (xh - 30, yb - 6), (xh - 34, yb - 6)]
        back = [(xh, yb), (xh, yj), (xh - 4, yj), (xh - 4 + t, top)]
        for k in range(1, 4):
            f = k / 4
            y = yj - (H - hl) * f
            joints.append(((xh - 18 + (t + 6) * f, y), (xh - 4 + t * f, y)))
    BLOCK_JOINTS.extend(joints)
    return out, back


BLOCK_JOINTS = []


def draw_wall(fig, kind, xh, yb, H):
    BLOCK_JOINTS.clear()
    out, back = wall(kind, xh, yb, H)
    fig.poly(out, 0.45)
    for a, b in BLOCK_JOINTS:
        fig.line(a, b, 0.18)
    return out, back


def front_ground(fig, out, yb):
    fig.ground((out[0][0] - 8, yb - 4), (out[0][0], yb - 4))


# ---- Coulomb ---------------------------------------------------------------

def coulomb(kind):
    f = Fig(120, 96)
    xh, yb, H = 52, 80, 60
    out, back = draw_wall(f, kind, xh, yb, H)
    top = back[-1]
    bot = back[0]
    # Backfill surface at slope i, with surcharge q.
    s_end = (116, top[1] - 9)
    f.ground(top, s_end)
    f.angle((top[0] + 22, top[1]), 16, 0, math.degrees(math.atan2(9, 116 - top[0])) + 0.5, 'i')
    f.line((top[0], top[1]), (top[0] + 40, top[1]), 0.15, '1,1')
    for k in range(6):
        x = top[0] + 14 + k * 5
        y = top[1] - 9 * (x - top[0]) / (116 - top[0])
        f.arrow((x, y - 6), (x, y - 0.6), 0.25, 1.2)
    f.line((top[0] + 14, top[1] - 1.1 - 6 - 1.5), (top[0] + 39, top[1] - 1.1 - 6 - 3.5), 0.25)
    f.text((top[0] + 27, top[1] - 13), 'q')
    # Water level and pressure diagram.
    yw = yb - 20
    f.line((bot[0] + 1, yw), (114, yw), 0.2, '2,1')
    f.poly([(100, yw - 2.6), (103, yw - 2.6), (101.5, yw)], 0.2)
    x_face = lambda y: bot[0] + (top[0] - bot[0]) * (bot[1] - y) / (bot[1] - top[1])
    p1, p2, p3 = 4, 17, 24
    xs_top, xs_w, xs_b = x_face(top[1]), x_face(yw), x_face(yb)
    dia = [(xs_top, top[1]), (xs_top + p1, top[1]), (xs_w + p2, yw), (xs_b + p3, yb), (xs_b, yb)]
    f.poly(dia, 0.3)
    f.text((xs_top + p1 + 2.5, top[1] + 3), 'P', '1', anchor='start')
    f.text((xs_w + p2 + 2.5, yw - 1.5), 'P', '2', anchor='start')
    f.text((xs_b + p3 + 2, yb - 1.5), 'P', '3', anchor='start')
    f.text((xs_top + 9, (top[1] + yw) / 2 + 2), 'P', 'A1', anchor='start')
    f.text((xs_b + 12, yb - 7), 'P', 'A2', anchor='start')
    # Resultant P_A at Y_P with components.
    yp = yb - 20
    xp = x_face(yp)
    f.arrow((xp + 26, yp - 9), (xp + 0.5, yp), 0.5)
    f.text((xp + 28, yp - 10), 'P', 'A', anchor='start')
    f.arrow((xp + 18, yp + 6), (xp + 0.5, yp + 6), 0.3)
    f.text((xp + 19, yp + 7.5), 'P', 'AH', anchor='start')
    f.arrow((xp - 3, yp - 15), (xp - 3, yp - 1), 0.3)
    f.text((xp - 4.5, yp - 13), 'P', 'AV', anchor='end')
    f.line((xp, yp), (xp + 18, yp + 18 * math.tan(math.radians(8))), 0.15, '1,1')
    f.angle((xp, yp), 9, -18, 12, 'δ')
    # Heights.
    f.dim_v(112, top[1], yb, 'H', side=-1)
    f.dim_v(106, yw, yb, 'h', 'w', side=-1)
    f.dim_v(xp - 8, yp, yb, 'Y', 'P', side=-1)
    # Base width and X_P from the toe.
    x0 = out[0][0]
    f.dim_h(yb + 6, x0, xp, 'X', 'P')
    f.line((x0, yb + 1), (x0, yb + 8), 0.15)
    f.line((xp, yp + 1), (xp, yb + 8), 0.15, '1,1')
    f.dim_h(yb + 11, x0, bot[0] if kind != 'BLOCK' else out[1][0], 'B')
    # Back-face angle.
    if abs(top[0] - bot[0]) > 1:
        f.line(bot, (bot[0], top[1] + 20), 0.15, '1,1')
        a_top = math.degrees(math.atan2(bot[1] - top[1], top[0] - bot[0]))
        f.angle(bot, 12, 90, a_top, 'α')
    else:
        f.text((bot[0] - 2, top[1] + 10), 'α=0', size=2.8, anchor='end')
    front_ground(f, out, yb)
    f.text((108, top[1] - 16), 'γ, φ', size=3.0)
    f.text((108, yb - 6), "γ'", size=3.0)
    return f


# ---- Surcharge conversion ---------------------------------------------------

def qd(kind):
    f = Fig(120, 84)
    xh, yb, H = 50, 76, 50
    out, back = draw_wall(f, kind, xh, yb, H)
    top = back[-1]
    f.ground(top, (116, top[1]))
    # Strip load Q at X behind the wall.
    xs = top[0] + 26
    for k in range(6):
        x = xs + k * 4
        f.arrow((x, top[1] - 9), (x, top[1] - 0.5), 0.25, 1.2)
    f.line((xs, top[1] - 9), (xs + 20, top[1] - 9), 0.3)
    f.text((xs + 10, top[1] - 11), 'Q')
    f.dim_h(top[1] - 17, top[0], xs, 'X', below=False)
    # Converted uniform load q_d from the wall back.
    for k in range(10):
        x = top[0] + 2 + k * 5
        f.arrow((x, top[1] + 10.5), (x, top[1] + 14), 0.15, 0.9)
    f.line((top[0] + 1, top[1] + 10.5), (top[0] + 48, top[1] + 10.5), 0.2, '1.5,1')
    f.text((top[0] + 52, top[1] + 13.5), 'q', 'd', anchor='start')
    f.text((min(top[0] + 60, 100), top[1] + 20), '（換算等分布荷重）', size=2.6, anchor='middle', italic=False)
    f.dim_v(112, top[1], yb, 'H', side=-1)
    front_ground(f, out, yb)
    return f


def qw(kind):
    f = Fig(120, 84)
    xh, yb, H = 44, 76, 48
    out, back = draw_wall(f, kind, xh, yb, H)
    top = back[-1]
    x1, x2, h0 = 14, 22, 14
    a = (top[0] + x1, top[1])
    b = (a[0] + x2, top[1] - h0)
    f.ground(top, a)
    f.ground(a, b)
    f.ground(b, (116, b[1]))
    f.dim_h(top[1] + 5, top[0], a[0], 'X', '1')
    f.dim_h(top[1] + 5, a[0], b[0], 'X', '2')
    f.dim_v(114, b[1], top[1], 'H', '0', side=-1)
    xv = top[0] + x1 + x2 / 2
    f.line((xv, top[1] - 2), (xv, top[1] + 12), 0.15, '1,1')
    f.dim_h(top[1] + 12, top[0], xv, 'X')
    for k in range(8):
        x = top[0] + 2 + k * 5
        f.arrow((x, top[1] + 17), (x, top[1] + 20.5), 0.15, 0.9)
    f.line((top[0] + 1, top[1] + 17), (top[0] + 38, top[1] + 17), 0.2, '1.5,1')
    f.text((top[0] + 42, top[1] + 20), 'q', 'w', anchor='start')
    f.dim_v(top[0] + 62, top[1], yb, 'H', side=-1)
    f.text((min(b[0] + 12, 100), b[1] + 16), 'γ', size=3.0)
    front_ground(f, out, yb)
    return f


# ---- Trial wedge, embankment -------------------------------------------------

def wedge_mori(kind):
    f = Fig(120, 96)
    xh, yb, H = 44, 82, 60
    out, back = draw_wall(f, kind, xh, yb, H)
    top = back[-1]
    bot = back[0]
    f.ground(top, (116, top[1]))
    om = 55
    xe = bot[0] + (bot[1] - top[1]) / math.tan(math.radians(om))
    f.line(bot, (xe, top[1]), 0.4, '3,1.2')
    f.angle(bot, 14, 0, om, 'ω', 'A')
    f.line(bot, (bot[0] + 30, bot[1]), 0.15, '1,1')
    zc = 7
    xz = xe - zc / math.tan(math.radians(om))
    f.line((xz, top[1] + zc), (xz, top[1]), 0.3)
    f.text((xz + 1.5, top[1] + 5), 'z', 'c', anchor='start', size=2.8)
    f.text(((bot[0] + xe) / 2 + 9, (bot[1] + top[1]) / 2 + 5), 'l', anchor='start')
    # Weight, reaction, thrust.
    cx, cy = (bot[0] + top[0] + xe) / 3 + 2, (bot[1] + 2 * top[1]) / 3
    f.arrow((cx, cy - 4), (cx, cy + 10), 0.45)
    f.text((cx + 1.5, cy - 1), 'W', anchor='start')
    f.arrow((cx + 10, cy + 2), (cx + 1, cy + 2), 0.3)
    f.text((cx + 11, cy + 3), 'k', 'H', anchor='start', size=2.8)
    f.text((cx + 15.5, cy + 3), 'W', anchor='start', size=2.8)
    mx, my = (bot[0] + xe) / 2, (bot[1] + top[1]) / 2
    f.arrow((mx + 16, my + 8), (mx + 1, my + 1), 0.4)
    f.text((mx + 18, my + 11), 'R', anchor='start')
    f.text((mx + 9, my + 13.5), 'φ', size=2.8)
    yp = yb - H / 3
    xp = bot[0] + (top[0] - bot[0]) * (bot[1] - yp) / (bot[1] - top[1])
    f.arrow((xp + 20, yp - 7), (xp + 0.5, yp), 0.5)
    f.text((xp + 21, yp - 8), 'P', 'A', anchor='start')
    f.line((xp, yp), (xp + 16, yp), 0.15, '1,1')
    f.angle((xp, yp), 10, 0, 19, 'δ')
    f.arrow((xp - 2, yp - 14), (xp - 2, yp - 1), 0.3)
    f.text((xp - 3.5, yp - 11), 'P', 'AV', anchor='end')
    f.dim_v(xp - 10, yp, yb, 'Y', 'P', side=-1)
    f.dim_v(114, top[1], yb, 'H', side=-1)
    x0 = out[0][0]
    f.dim_h(yb + 5, x0, xp, 'X', 'P')
    f.line((xp, yp + 1), (xp, yb + 7), 0.15, '1,1')
    f.dim_h(yb + 9.5, x0, out[1][0], 'B')
    if abs(top[0] - bot[0]) > 1:
        f.line(bot, (bot[0], top[1] + 25), 0.15, '1,1')
        a_top = math.degrees(math.atan2(bot[1] - top[1], top[0] - bot[0]))
        f.angle(bot, 20, 90, a_top, 'α')
    f.text((104, top[1] + 10), 'γ, c, φ', size=3.0)
    front_ground(f, out, yb)
    return f


# ---- Trial wedge, large-block guideline ------------------------------------------

def oogata(with_d):
    f = Fig(86, 84)
    xh, yb, H = 40, 66, 50
    out, back = draw_wall(f, 'BLOCK', xh, yb, H)
    top = back[-1]
    bot = back[0]
    eps = 62
    d = 14 if with_d else 0
    foot = (bot[0] + d, bot[1])
    xg = foot[0] + (foot[1] - top[1]) / math.tan(math.radians(eps))
    # Natural ground (cut face) and its surface.
    f.ground(foot, (xg, top[1]), up=False)
    f.ground((xg, top[1]), (84, top[1]))
    if with_d:
        f.ground(top, (xg, top[1]))
        f.line(bot, foot, 0.3)
        f.dim_h(yb + 14, bot[0], foot[0], 'd')
        om = 52
        xe = bot[0] + (bot[1] - top[1]) / math.tan(math.radians(om))
        f.line(bot, (xe, top[1]), 0.4, '3,1.2')
        f.angle(bot, 11, 0, om, 'ω', 'A')
        f.dim_h(top[1] - 5, top[0], xe, 'd', '1', below=False)
        f.line((xe, top[1]), (xe, top[1] - 7), 0.15, '1,1')
        cx, cy = (bot[0] + top[0] + xe) / 3 + 1, (bot[1] + 2 * top[1]) / 3
    else:
        f.line(bot, (bot[0] + 2, bot[1]), 0.3)
        cx, cy = (bot[0] + top[0] + xg) / 3 + 1, (bot[1] + 2 * top[1]) / 3
        f.text(((foot[0] + xg) / 2 + 5, (foot[1] + top[1]) / 2 + 2), 'l', anchor='start')
        zc = 6
        xz = xg - zc / math.tan(math.radians(eps))
        f.line((xz, top[1] + zc), (xz, top[1]), 0.3)
        f.text((xz - 1.2, top[1] + 5), 'z', 'c', anchor='end', size=2.6)
    f.angle(foot, 8, 0, eps, 'ε')
    f.line(foot, (foot[0] + 14, foot[1]), 0.15, '1,1')
    f.arrow((cx, cy - 3), (cx, cy + 9), 0.45)
    f.text((cx + 1.5, cy), 'W', anchor='start')
    yp = yb - H / 3
    xp = bot[0] + (top[0] - bot[0]) * (bot[1] - yp) / (bot[1] - top[1])
    f.arrow((xp + 15, yp - 5), (xp + 0.5, yp), 0.5)
    f.text((xp + 15.5, yp - 6), 'P', 'A', anchor='start')
    f.line((xp, yp), (xp + 12, yp), 0.15, '1,1')
    f.angle((xp, yp), 8, 0, 18, 'δ')
    f.dim_v(xp - 9, yp, yb, 'Y', 'P', side=-1)
    f.dim_v(82, top[1], yb, 'H', side=-1)
    x0 = out[0][0]
    f.dim_h(yb + 4.5, x0, xp, 'X', 'P')
    f.line((xp, yp + 1), (xp, yb + 6), 0.15, '1,1')
    f.dim_h(yb + 9, x0, out[1][0], 'B')
    f.line(bot, (bot[0], top[1] + 18), 0.15, '1,1')
    a_top = math.degrees(math.atan2(bot[1] - top[1], top[0] - bot[0]))
    f.angle(bot, 14, 90, a_top, 'α')
    f.text((74, top[1] + 8), 'c, φ, γ', size=2.8)
    front_ground(f, out, yb)
    return f

# ---- Trial wedge, cut back ground -------------------------------------------------

def kiri(kind, apart, slip):
    """Cut back ground. apart: the cut face starts a distance d behind the
    heel. slip: 'cut' the slip reaching the cut face (alone), 'fill' the slip
    inside the backfill, 'cut2' the slip reaching the cut face when both are
    compared."""
    f = Fig(120, 96)
    xh, yb, H = 44, 82, 60
    out, back = draw_wall(f, kind, xh, yb, H)
    top = back[-1]
    bot = back[0]
    eps = 63
    d = 12 if apart else 0
    foot = (bot[0] + d, bot[1])
    xg = foot[0] + (foot[1] - top[1]) / math.tan(math.radians(eps))
    # Natural ground: the cut face and the ground above it.
    f.ground(foot, (xg, top[1]), up=False)
    f.ground((xg, top[1]), (116, top[1]))
    f.ground(top, (xg, top[1]))
    f.angle(foot, 9, 0, eps, 'ε')
    f.line(foot, (foot[0] + 16, foot[1]), 0.15, '1,1')
    if apart:
        f.line(bot, foot, 0.3)
        f.dim_h(yb + 5, bot[0], foot[0], 'd')
        f.line(foot, (foot[0], yb + 6), 0.15, '1,1')
    zc = 6
    if slip == 'fill':
        om = 50
        xe = bot[0] + (bot[1] - top[1]) / math.tan(math.radians(om))
        xe = min(xe, xg - 4)
        f.line(bot, (xe, top[1]), 0.45, '3,1.2')
        f.angle(bot, 14, 0, math.degrees(math.atan2(bot[1] - top[1], xe - bot[0])), 'ω',
                'A1' if apart else 'A')
        xz = xe - zc * (xe - bot[0]) / (bot[1] - top[1])
        f.line((xz, top[1] + zc), (xz, top[1]), 0.3)
        f.text((xz - 1.2, top[1] + 4.5), 'z', 'c', anchor='end', size=2.6)
        f.text(((bot[0] + xe) / 2 + 6, (bot[1] + top[1]) / 2 - 6), 'l', anchor='start')
        cx, cy = (bot[0] + top[0] + xe) / 3 + 1, (bot[1] + 2 * top[1]) / 3
        f.arrow((cx, cy - 3), (cx, cy + 9), 0.45)
        f.text((cx + 1.5, cy), 'W', anchor='start')
    elif apart:
        # Broken slip: from the heel up to the cut face, then along it.
        om = 38
        t = math.tan(math.radians(om))
        te = math.tan(math.radians(eps))
        # Meeting point of y = yb - (x - bot.x) t and y = yb - (x - foot.x) te.
        xm = (foot[0] * te - bot[0] * t) / (te - t)
        ym = yb - (xm - bot[0]) * t
        f.line(bot, (xm, ym), 0.45, '3,1.2')
        f.poly([(xm, ym), (xg, top[1])], 0.55, close=False)
        f.angle(bot, 16, 0, om, 'ω', 'A2' if slip == 'cut2' else 'A')
        f.text(((bot[0] + xm) / 2 + 1, (bot[1] + ym) / 2 + 4.5), 'l', anchor='start')
        f.text(((xm + xg) / 2 + 2.5, (ym + top[1]) / 2 + 1), "l'", anchor='start')
        xz = xg - zc / te
        f.line((xz, top[1] + zc), (xz, top[1]), 0.3)
        f.text((xz - 1.2, top[1] + 4.5), 'z', 'c', anchor='end', size=2.6)
        # The two soil blocks on the slip.
        c1 = ((bot[0] + top[0] + xm) / 3 + 7, (bot[1] + top[1] + ym) / 3 - 8)
        c2 = ((xm + top[0] + xg) / 3 + 4, (ym + 2 * top[1]) / 3)
        f.line((xm, ym), (xm, top[1]), 0.15, '1,1')
        f.arrow((c1[0], c1[1] - 3), (c1[0], c1[1] + 8), 0.45)
        f.text((c1[0] + 1.5, c1[1]), 'W', '1', anchor='start')
        f.arrow((c2[0], c2[1] - 3), (c2[0], c2[1] + 8), 0.45)
        f.text((c2[0] + 1.5, c2[1]), 'W', '2', anchor='start')
        f.text((110, top[1] + 12), "c', δ'", size=2.8)
    else:
        # The cut face through the heel is the slip.
        f.poly([bot, (xg, top[1])], 0.55, close=False)
        f.text(((bot[0] + xg) / 2 + 3, (bot[1] + top[1]) / 2 + 3), 'l', anchor='start')
        xz = xg - zc / math.tan(math.radians(eps))
        f.line((xz, top[1] + zc), (xz, top[1]), 0.3)
        f.text((xz - 1.2, top[1] + 4.5), 'z', 'c', anchor='end', size=2.6)
        cx, cy = (bot[0] + top[0] + xg) / 3 + 1, (bot[1] + 2 * top[1]) / 3
        f.arrow((cx, cy - 3), (cx, cy + 9), 0.45)
        f.text((cx + 1.5, cy), 'W', anchor='start')
        f.text((110, top[1] + 12), "c', δ'", size=2.8)
    if kind == 'KONGOU':
        # Lower wall's vertical back: P_A on it, the upper wall's thrust P1.
        joint = back[2]
        yp = yb - (yb - joint[1]) / 3 - 2
        xp = bot[0]
        yu = joint[1] - (joint[1] - top[1]) / 3
        xu = joint[0] + (top[0] - joint[0]) * (joint[1] - yu) / (joint[1] - top[1])
        f.arrow((xu + 12, yu - 5), (xu + 0.5, yu), 0.45)
        f.text((xu + 13, yu - 6), 'P', '1', anchor='start')
        f.line(joint, (joint[0], top[1] + 12), 0.15, '1,1')
        a1 = math.degrees(math.atan2(joint[1] - top[1], top[0] - joint[0]))
        f.angle(joint, 10, 90, a1, 'α', '1')
        f.text((bot[0] - 1.5, joint[1] + 6), 'α', '2', anchor='end', size=2.8)
        f.dim_v(104, joint[1], yb, 'H', '2', side=-1)
        f.dim_v(104, top[1], joint[1], 'H', '1', side=-1)
    else:
        yp = yb - H / 3
        xp = bot[0] + (top[0] - bot[0]) * (bot[1] - yp) / (bot[1] - top[1])
    f.arrow((xp + 18, yp - 6), (xp + 0.5, yp), 0.5)
    f.text((xp + 19, yp - 7), 'P', 'A1' if slip == 'fill' and apart is not None else 'A',
           anchor='start')
    f.line((xp, yp), (xp + 14, yp), 0.15, '1,1')
    f.angle((xp, yp), 9, 0, 18, 'δ')
    f.dim_v(xp - 9, yp, yb, 'Y', 'P', side=-1)
    if kind != 'KONGOU':
        f.dim_v(114, top[1], yb, 'H', side=-1)
    x0 = out[0][0]
    f.dim_h(yb + 5, x0, xp, 'X', 'P')
    f.line((xp, yp + 1), (xp, yb + 7), 0.15, '1,1')
    f.dim_h(yb + 10, x0, out[1][0], 'B')
    if abs(top[0] - bot[0]) > 1 and kind != 'KONGOU':
        f.line(bot, (bot[0], top[1] + 25), 0.15, '1,1')
        a_top = math.degrees(math.atan2(bot[1] - top[1], top[0] - bot[0]))
        f.angle(bot, 22, 90, a_top, 'α')
    f.text((60, top[1] - 4), 'γ, c, φ', size=2.8)
    front_ground(f, out, yb)
    return f


def force_polygon():
    """Force polygon of the two soil blocks W1, W2 on the broken slip, with
    the friction angle δ1 on their contact face."""
    f = Fig(60, 60)
    o = (12, 6)
    w1, w2 = 22, 16
    a = (o[0], o[1] + w1)
    b = (a[0], a[1] + w2)
    f.arrow(o, a, 0.45)
    f.text((o[0] - 1.5, (o[1] + a[1]) / 2), 'W', '1', anchor='end')
    f.arrow(a, b, 0.45)
    f.text((a[0] - 1.5, (a[1] + b[1]) / 2), 'W', '2', anchor='end')
    # Reactions: R2 on the cut face, the contact force E between the blocks,
    # R1 on the slip inside the backfill; P_A closes the polygon.
    e = (a[0] + 26, a[1] - 4)
    p = (b[0] + 34, b[1] - 8)
    f.arrow(b, p, 0.35)
    f.text(((b[0] + p[0]) / 2, (b[1] + p[1]) / 2 + 4.5), 'R', '2')
    f.arrow(p, e, 0.35)
    f.text(((p[0] + e[0]) / 2 - 2, (p[1] + e[1]) / 2 + 1), 'E', anchor='end')
    f.arrow(e, a, 0.35, )
    f.text(((e[0] + a[0]) / 2, (e[1] + a[1]) / 2 - 1.5), 'R', '1')
    f.arrow(e, o, 0.5)
    f.text(((e[0] + o[0]) / 2 + 2, (e[1] + o[1]) / 2 - 1.5), 'P', 'A2', anchor='start')
    f.line(e, (e[0] + 12, e[1] + 6), 0.15, '1,1')
    f.angle(e, 7, -28, -60, 'δ', '1')
    return f


def kongo_mori():
    """Lower wall of a mixed wall: its wedge from the lower heel, loaded by
    the thrust P1 of the upper wall."""
    f = Fig(120, 96)
    xh, yb, H = 46, 82, 62
    out, back = draw_wall(f, 'KONGOU', xh, yb, H)
    bot, joint_in, joint, top = back
    f.ground(top, (116, top[1]))
    om = 52
    xe = bot[0] + (bot[1] - top[1]) / math.tan(math.radians(om))
    f.line(bot, (xe, top[1]), 0.4, '3,1.2')
    f.angle(bot, 14, 0, om, 'ω', 'A')
    f.line(bot, (bot[0] + 30, bot[1]), 0.15, '1,1')
    zc = 6
    xz = xe - zc / math.tan(math.radians(om))
    f.line((xz, top[1] + zc), (xz, top[1]), 0.3)
    f.text((xz + 1.5, top[1] + 5), 'z', 'c', anchor='start', size=2.8)
    f.text(((bot[0] + xe) / 2 + 8, (bot[1] + top[1]) / 2 + 5), 'l', anchor='start')
    cx, cy = (bot[0] + top[0] + xe) / 3 + 4, (bot[1] + 2 * top[1]) / 3
    f.arrow((cx, cy - 4), (cx, cy + 10), 0.45)
    f.text((cx + 1.5, cy - 1), 'W', anchor='start')
    # Thrust of the upper wall on its back face.
    yu = joint[1] - (joint[1] - top[1]) / 3
    xu = joint[0] + (top[0] - joint[0]) * (joint[1] - yu) / (joint[1] - top[1])
    f.arrow((xu + 14, yu - 5), (xu + 0.5, yu), 0.45)
    f.text((xu + 15, yu - 6), 'P', '1', anchor='start')
    f.line(joint, (joint[0], top[1] + 14), 0.15, '1,1')
    a1 = math.degrees(math.atan2(joint[1] - top[1], top[0] - joint[0]))
    f.angle(joint, 12, 90, a1, 'α', '1')
    # Lower wall: P_A at Y_P, α2 from the vertical back face.
    yp = yb - (bot[1] - joint[1]) / 3 - 3
    f.arrow((bot[0] + 18, yp - 6), (bot[0] + 0.5, yp), 0.5)
    f.text((bot[0] + 19, yp - 7), 'P', 'A', anchor='start')
    f.line((bot[0], yp), (bot[0] + 14, yp), 0.15, '1,1')
    f.angle((bot[0], yp), 9, 0, 18, 'δ')
    f.text((bot[0] - 1.5, joint[1] + 6), 'α', '2', anchor='end', size=2.8)
    f.dim_v(bot[0] - 9, yp, yb, 'Y', 'P', side=-1)
    f.dim_v(112, joint[1], yb, 'H', '2', side=-1)
    f.dim_v(112, top[1], joint[1], 'H', '1', side=-1)
    x0 = out[0][0]
    f.dim_h(yb + 5, x0, bot[0], 'X', 'P')
    f.dim_h(yb + 10, x0, bot[0], 'B')
    f.text((100, top[1] + 10), 'γ, c, φ', size=3.0)
    front_ground(f, out, yb)
    return f


def main():
    prefixes = ['BLOCK', 'JYU', 'MOTARE', 'KONGOU']
    for p in prefixes:
        coulomb(p).save(p + '_COULOMB')
        qd(p).save(p + '_QD')
        qw(p).save(p + '_QW')
    for p in ['BLOCK', 'JYU', 'MOTARE']:
        wedge_mori(p).save(p + '_KUSABI_MORI')
    oogata(False).save('OOGATA_KIRI2_PA0')
    oogata(True).save('OOGATA_KIRI2_PA1')
    for p in ['BLOCK', 'JYU', 'MOTARE']:
        kiri(p, True, 'cut').save(p + '_KUSABI_KIRI_PA')
        kiri(p, True, 'fill').save(p + '_KUSABI_KIRI_PA1')
        kiri(p, True, 'cut2').save(p + '_KUSABI_KIRI_PA2')
        kiri(p, False, 'cut').save(p + '_KUSABI_KIRI1_PA')
        kiri(p, False, 'fill').save(p + '_KUSABI_KIRI1_PA1')
        kiri(p, False, 'cut2').save(p + '_KUSABI_KIRI1_PA2')
    force_polygon().save('KUSABI')
    kongo_mori().save('KONGO_MORI')
    for n, apart in (('1', False), ('2', True)):
        kiri('KONGOU', apart, 'cut').save('KONGO_KIRI' + n + '_PA')
        kiri('KONGOU', apart, 'fill').save('KONGO_KIRI' + n + '_PA1')
        kiri('KONGOU', apart, 'cut2').save('KONGO_KIRI' + n + '_PA2')


if __name__ == '__main__':
    main()
