#!/usr/bin/python3
"""The main window under a real window manager: window_manager_test.py PROGRAM

Starts PROGRAM from its distribution folder under openbox on Xvfb, on the main
screen at 760 x 520; drags the window's borders with xdotool as a user would
(press, several moves, release) and checks that each drag ends at the size
the drag rules choose without moving the window, that a title-bar drag moves
it, and that closing saves the size and the frame's position."""

import os, re, select, shutil, subprocess, sys, tempfile, time

SIZES = {(600, 400), (760, 520), (984, 688)}
START, SAVED_AT, WAIT = (760, 520), (100, 100), 10.0
# (drag, border, dx, dy, size afterwards); each starts where the last ended.
DRAGS = [
    ("bottom to 620 high", "bottom", 0, 100, (984, 688)),
    ("right to 700 wide", "right", -284, 0, (760, 520)),
    ("bottom-right corner to 900 wide", "bottomright", 140, 50, (984, 688)),
    ("right to 650 wide", "right", -334, 0, (600, 400)),
    ("bottom to 500 high", "bottom", 0, 100, (760, 520)),
    ("bottom to 450 high", "bottom", 0, -70, (600, 400)),
    ("bottom to 500 high again", "bottom", 0, 100, (760, 520)),
    ("left edge inwards", "left", 60, 0, (760, 520)),
    ("left edge outwards", "left", -70, 0, (760, 520)),
    ("bottom-left corner", "bottomleft", -40, 80, (760, 520)),
    ("top edge", "top", 0, -30, (760, 520)),
    ("title bar", "title", 40, 30, (760, 520)),
    ("right to 880 wide", "right", 120, 0, (984, 688)),
    ("bottom to 470 high", "bottom", 0, -218, (760, 520)),
]


class Failure(Exception):
    pass


def wait_for(what, probe):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        if (found := probe()):
            return found
        time.sleep(0.05)
    raise Failure(f"no {what} after {WAIT:.0f} s")


def start_xvfb(env):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten",
                             "tcp"], pass_fds=(write_end,), env=env, stderr=subprocess.DEVNULL)
    os.close(write_end)
    line, deadline = b"", time.monotonic() + WAIT
    # Xvfb ends when it cannot write its whole line: read up to its end.
    while not line.endswith(b"\n") and select.select([read_end], [], [], max(0, deadline - time.monotonic()))[0]:
        if not (chunk := os.read(read_end, 16)):
            break
        line += chunk
    os.close(read_end)
    return xvfb, ":" + line.decode().strip() if line.endswith(b"\n") else None


def run(env, *args):
    done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=WAIT)
    return done.stdout if done.returncode == 0 else ""


def client_rect(env, window):
    """The client area's absolute position and size, as xwininfo shows it."""
    info = run(env, "xwininfo", "-id", window)
    labels = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
    found = [re.search(rf"^\s*{label}:\s*(-?\d+)", info, re.M) for label in labels]
    return tuple(int(m.group(1)) for m in found) if all(found) else None


def frame_extents(env, window):
    found = re.search(r"= (\d+), (\d+), (\d+), (\d+)", run(env, "xprop", "-id", window, "_NET_FRAME_EXTENTS"))
    return tuple(map(int, found.groups())) if found else None


def drag(env, rect, extents, border, dx, dy, steps=6):
    x, y, w, h = rect
    left, right, top, bottom = extents
    x0, y0 = {"right": (x + w + right // 2, y + h // 2), "left": (x - left + left // 2, y + h // 2),
              "top": (x + w // 2, y - top), "title": (x + w // 4, y - top // 2),
              "bottom": (x + w // 2, y + h + bottom // 2), "bottomright": (x + w - 4, y + h + bottom // 2),
              "bottomleft": (x + 4, y + h + bottom // 2)}[border]
    command = ["xdotool", "mousemove", str(x0), str(y0), "sleep", "0.1", "mousedown", "1"]
    for step in range(1, steps + 1):
        command += ["sleep", "0.05", "mousemove", str(x0 + dx * step // steps), str(y0 + dy * step // steps)]
    subprocess.run(command + ["sleep", "0.1", "mouseup", "1"], env=env, check=True, timeout=WAIT)


def check(program, work, env, processes):
    program = os.path.abspath(program)
    dist = os.path.dirname(program)
    registry = os.path.join(work, "KRCool.reg")
    with open(registry, "w", encoding="utf-8") as out:
        out.write("\r\n".join(["REGEDIT4", "", r"[HKEY_CURRENT_USER\Software\Vossbridge\Kalvorn\KRCool]",
                               '"Installed"=dword:00000001', f'"BitmapDir"="{dist}/"', '"Language"="English"',
                               '"Showmenu"=dword:00000000'] +
                              [f'"{name}"=dword:{value:08x}' for name, value in
                               zip(("Width", "Height", "Left", "Top"), START + SAVED_AT)]) + "\r\n")
    env.update(HOME=work, XDG_RUNTIME_DIR=work, KRCOOL_REGISTRY=registry, QT_QPA_PLATFORM="xcb")
    xvfb, env["DISPLAY"] = start_xvfb(env)
    processes.append(xvfb)
    if not env["DISPLAY"]:
        raise Failure("Xvfb did not report its display")
    processes.append(subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL))
    wait_for("openbox", lambda: "window id" in run(env, "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
    app = subprocess.Popen([program], cwd=dist, env=env, stderr=subprocess.DEVNULL)
    processes.append(app)

    def main_window():
        for window in run(env, "xdotool", "search", "--onlyvisible", "--pid", str(app.pid)).split():
            if (client_rect(env, window) or (0,) * 4)[2:] in SIZES and frame_extents(env, window):
                return window

    window = wait_for("main window", main_window)
    extents = frame_extents(env, window)
    rect = wait_for(f"window of {START}", lambda: (r := client_rect(env, window)) and r[2:] == START and r)
    origin = rect[:2]
    for name, border, dx, dy, size in DRAGS:
        drag(env, rect, extents, border, dx, dy)
        if border == "title":
            origin = (origin[0] + dx, origin[1] + dy)
        try:
            wait_for(f"{origin + size}", lambda: client_rect(env, window) == origin + size)
            time.sleep(0.3)  # and no late change from the program or the window manager
            if (rect := client_rect(env, window)) != origin + size:
                raise Failure(f"it left {origin + size}")
        except Failure as failure:
            raise Failure(f"{name}: {failure}; the window is at {client_rect(env, window)}")
    subprocess.run(["xdotool", "windowactivate", "--sync", window, "key", "alt+F4"], env=env, timeout=WAIT)
    try:
        app.wait(WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end when its window was closed")
    with open(registry, encoding="utf-8") as saved:
        text = saved.read()
    values = [re.search(rf'^"{name}"=dword:([0-9a-f]{{8}})', text, re.M | re.I) for name in
              ("Width", "Height", "Left", "Top")]
    saved = tuple(int(v.group(1), 16) for v in values if v)
    frame = (origin[0] - extents[0], origin[1] - extents[2])
    if saved != rect[2:] + frame:
        raise Failure(f"closing saved size and position {saved}, not {rect[2:] + frame}")
    print(f"{len(DRAGS)} drags under openbox ended at the sizes the rules choose; closing saved {saved}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if (missing := [tool for tool in ("Xvfb", "openbox", "xdotool", "xwininfo", "xprop") if not shutil.which(tool)]):
        sys.exit(f"FAIL: {', '.join(missing)} missing; scripts/install-deps.sh installs them")
    env = {key: value for key, value in os.environ.items() if not key.startswith(("QT_", "XDG_", "DISPLAY"))}
    processes = []
    with tempfile.TemporaryDirectory(prefix="kr-wm-") as work:
        try:
            check(sys.argv[1], work, env, processes)
        except Failure as failure:
            sys.exit(f"FAIL: {failure}")
        finally:
            for process in reversed(processes):
                if process.poll() is None:
                    process.terminate()
                    try:
                        process.wait(5)
                    except subprocess.TimeoutExpired:
                        process.kill()
                        process.wait()


if __name__ == "__main__":
    main()
