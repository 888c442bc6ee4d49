# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared helpers for the media generators: paths, saving, noise, glows and a
sphere renderer that drapes an equirectangular map over an orthographic globe."""
import os

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "sources")
MEDIA = os.path.normpath(os.path.join(HERE, "..", "..", "media"))


def out_path(folder, name):
    d = os.path.join(MEDIA, folder)
    os.makedirs(d, exist_ok=True)
    return os.path.join(d, name)


def to_image(rgb):
    """Float array HxWx3 in 0..1 to a PIL image."""
    return Image.fromarray((np.clip(rgb, 0, 1) * 255 + 0.5).astype(np.uint8), "RGB")


def save_jpeg(rgb, folder, name, quality=88):
    img = rgb if isinstance(rgb, Image.Image) else to_image(rgb)
    # 4:4:4 keeps thin coloured edges (planet limbs, text) clean.
    img.save(out_path(folder, name), quality=quality, subsampling=0, optimize=True)
    return img


def downsample(rgb, factor):
    h, w = rgb.shape[0] // factor, rgb.shape[1] // factor
    return rgb[: h * factor, : w * factor].reshape(h, factor, w, factor, -1).mean(axis=(1, 3))


def colour(r, g, b):
    return np.array([r, g, b], dtype=float) / 255.0


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0, 1)
    return t * t * (3 - 2 * t)


# ---------------------------------------------------------------- noise
def _hash(ix, iy, iz, seed):
    h = (ix * 73856093) ^ (iy * 19349663) ^ (iz * 83492791) ^ (seed * 2654435761)
    h = (h ^ (h >> 13)) * 1274126177
    h = h ^ (h >> 16)
    return (h & 0xFFFFFF).astype(float) / 0xFFFFFF


def value_noise3(x, y, z, seed=0):
    """Smooth value noise in 0..1 at arbitrary 3-D points (arrays)."""
    xi, yi, zi = np.floor(x).astype(np.int64), np.floor(y).astype(np.int64), np.floor(z).astype(np.int64)
    fx, fy, fz = x - xi, y - yi, z - zi
    ux, uy, uz = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy), fz * fz * (3 - 2 * fz)
    acc = 0
    for dx in (0, 1):
        for dy in (0, 1):
            for dz in (0, 1):
                wgt = (ux if dx else 1 - ux) * (uy if dy else 1 - uy) * (uz if dz else 1 - uz)
                acc = acc + wgt * _hash(xi + dx, yi + dy, zi + dz, seed)
    return acc


def fbm3(x, y, z, octaves=5, seed=0, gain=0.5):
    """Fractal sum of value noise, roughly 0..1."""
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        f = 2.0 ** o
        total = total + amp * value_noise3(x * f, y * f, z * f, seed + 17 * o)
        norm += amp
        amp *= gain
    return total / norm


def fbm2(w, h, scale, octaves=5, seed=0, gain=0.5):
    """Noise image HxW; scale is the size of the largest blobs in pixels."""
    y, x = np.mgrid[0:h, 0:w].astype(float) / scale
    return fbm3(x, y, np.full_like(x, 0.5), octaves, seed, gain)


def radial(w, h, cx, cy):
    y, x = np.mgrid[0:h, 0:w].astype(float)
    return np.hypot(x + 0.5 - cx, y + 0.5 - cy)


def add_glow(rgb, cx, cy, radius, col, strength=1.0, falloff=2.0):
    r = radial(rgb.shape[1], rgb.shape[0], cx, cy) / radius
    g = strength / (1 + r ** falloff)
    return rgb + g[..., None] * col


def starfield(w, h, count, seed, max_bright=0.9):
    rng = np.random.default_rng(seed)
    sky = np.zeros((h, w, 3))
    xs, ys = rng.integers(0, w, count), rng.integers(0, h, count)
    b = max_bright * rng.random(count) ** 3
    tint = np.stack([0.9 + 0.1 * rng.random(count), np.full(count, 0.95), 0.9 + 0.1 * rng.random(count)], 1)
    sky[ys, xs] = b[:, None] * tint
    return sky


# ---------------------------------------------------------------- maps
class LonLatMap:
    """Equirectangular raster covering lon0..lon1 east, lat0..lat1 north (degrees)."""

    def __init__(self, data, lon0=-180.0, lon1=180.0, lat0=-90.0, lat1=90.0, wrap=True):
        self.data = data.astype(float)
        self.lon0, self.lon1, self.lat0, self.lat1, self.wrap = lon0, lon1, lat0, lat1, wrap

    @classmethod
    def from_file(cls, name, **bounds):
        img = Image.open(os.path.join(SOURCES, name)).convert("RGB")
        return cls(np.asarray(img) / 255.0, **bounds)

    def sample(self, lon, lat):
        h, w = self.data.shape[:2]
        u = (np.degrees(lon) - self.lon0) / (self.lon1 - self.lon0) * w - 0.5
        v = (self.lat1 - np.degrees(lat)) / (self.lat1 - self.lat0) * h - 0.5
        if self.wrap:
            u = np.mod(u, w)
        else:
            u = np.clip(u, 0, w - 1)
        v = np.clip(v, 0, h - 1)
        x0, y0 = np.floor(u).astype(int), np.floor(v).astype(int)
        fx, fy = u - x0, v - y0
        x1 = (x0 + 1) % w if self.wrap else np.minimum(x0 + 1, w - 1)
        y1 = np.minimum(y0 + 1, h - 1)
        d = self.data
        if d.ndim == 3:
            fx, fy = fx[..., None], fy[..., None]
        top = d[y0, x0] * (1 - fx) + d[y0, x1 % w] * fx
        bot = d[y1, x0] * (1 - fx) + d[y1, x1 % w] * fx
        return top * (1 - fy) + bot * fy


def rotation(lon_deg, lat_deg, roll_deg=0.0):
    """Matrix turning world vectors into view vectors so that the point
    (lon, lat) faces the viewer; x right, y up, z towards the viewer."""
    lo, la, ro = np.radians([lon_deg, lat_deg, roll_deg])
    ry = np.array([[np.cos(lo), 0, -np.sin(lo)], [0, 1, 0], [np.sin(lo), 0, np.cos(lo)]])
    rx = np.array([[1, 0, 0], [0, np.cos(la), -np.sin(la)], [0, np.sin(la), np.cos(la)]])
    rz = np.array([[np.cos(ro), -np.sin(ro), 0], [np.sin(ro), np.cos(ro), 0], [0, 0, 1]])
    return rz @ rx @ ry


def sphere(w, h, cx, cy, r, rot, albedo, sun, model="lambert", ss=3,
           terminator=0.03, height=None, bump=1.0, night=None, extra=None):
    """Render a lit globe; returns (rgb, alpha) at w x h.

    albedo(lon, lat, pts) -> HxWx3; sun is a view-space vector; model is
    'lambert' or 'lunar' (Lommel-Seeliger blend: airless bodies stay bright to
    the limb); height is an optional LonLatMap of relief for bump shading;
    night(lon, lat, pts, lit) may add light on the dark side; extra(rgb, pts,
    n_view, lit) may post-process (atmosphere, clouds)."""
    W, H = w * ss, h * ss
    y, x = np.mgrid[0:H, 0:W].astype(float)
    nx = ((x + 0.5) / ss - cx) / r
    ny = -((y + 0.5) / ss - cy) / r
    rr = nx * nx + ny * ny
    inside = rr < 1.0
    nz = np.sqrt(np.clip(1 - rr, 0, 1))
    nview = np.stack([nx, ny, nz], -1)
    world = nview @ rot  # inverse rotation (rot is orthonormal)
    lat = np.arcsin(np.clip(world[..., 1], -1, 1))
    lon = np.arctan2(world[..., 0], world[..., 2])
    col = albedo(lon, lat, world)
    normal = nview
    if height is not None:
        eps = np.radians(0.15)
        h0 = height.sample(lon, lat)
        dh_e = (height.sample(lon + eps, lat) - h0) / (eps * np.maximum(np.cos(lat), 0.05))
        dh_n = (height.sample(lon, lat + eps) - h0) / eps
        e_hat = np.stack([np.cos(lon), np.zeros_like(lon), -np.sin(lon)], -1)
        n_hat = np.stack([-np.sin(lat) * np.sin(lon), np.cos(lat), -np.sin(lat) * np.cos(lon)], -1)
        nw = world - bump * (dh_e[..., None] * e_hat + dh_n[..., None] * n_hat)
        nw /= np.linalg.norm(nw, axis=-1, keepdims=True)
        normal = nw @ rot.T
    s = np.asarray(sun, float) / np.linalg.norm(sun)
    mu0 = normal @ s
    mu = np.clip(normal[..., 2], 1e-3, 1)
    lit = smoothstep(-terminator, terminator, mu0)
    m0 = np.clip(mu0, 0, 1)
    if model == "lunar":
        ls = 2 * m0 / (m0 + mu + 1e-6)
        shade = 0.15 * m0 + 0.85 * ls * 0.75
    else:
        shade = m0
    shade = np.maximum(shade, 0) * lit + (1 - lit) * 0
    rgb = col * shade[..., None]
    if night is not None:
        rgb = rgb + night(lon, lat, world, lit)
    if extra is not None:
        rgb = extra(rgb, world, nview, mu0)
    alpha = inside.astype(float)
    rgb = rgb * alpha[..., None]
    return downsample(rgb, ss), downsample(alpha[..., None], ss)[..., 0]


def composite(bg, fg, alpha):
    return bg * (1 - alpha[..., None]) + fg


def crater_field(w, h, count, seed, min_r=1.5, max_r=40.0, slope=2.0, base=None):
    """Height raster with bowl craters and raised rims (sizes follow a power
    law, so small craters are many and large ones few)."""
    rng = np.random.default_rng(seed)
    hm = np.zeros((h, w)) if base is None else base.copy()
    u = rng.random(count)
    radii = min_r * (1 - u * (1 - (min_r / max_r) ** slope)) ** (-1 / slope)
    for rad in radii:
        cx, cy = rng.random() * w, rng.random() * h
        x0, x1 = int(max(cx - 2.5 * rad, 0)), int(min(cx + 2.5 * rad + 1, w))
        y0, y1 = int(max(cy - 2.5 * rad, 0)), int(min(cy + 2.5 * rad + 1, h))
        if x1 <= x0 or y1 <= y0:
            continue
        yy, xx = np.mgrid[y0:y1, x0:x1].astype(float)
        d = np.hypot(xx - cx, yy - cy) / rad
        depth = 0.25 * rad
        bowl = np.where(d < 1, (d * d - 1) * depth, 0)
        rim = 0.12 * rad * np.exp(-((d - 1) / 0.25) ** 2)
        ejecta = np.where(d > 1, 0.04 * rad * np.exp(-(d - 1) * 2.5), 0)
        hm[y0:y1, x0:x1] = hm[y0:y1, x0:x1] * np.where(d < 1.1, 0.3, 1) + bowl + rim + ejecta
    return hm
