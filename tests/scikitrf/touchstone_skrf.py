#!/usr/bin/python3
"""scikit-rf and our Touchstone files, both ways.

Usage: touchstone_skrf.py NORVANE-CLI BLOCKSCHEMATIC EXAMPLES-FOLDER

1. Files written by `norvane-cli simulate --format touchstone` are read by scikit-rf, and
   every frequency and S-parameter is compared with the same run's csv output (both are
   exact decimal forms of the same doubles, so they must agree exactly): the 2-port
   examples, a 1-port circuit, and a version 2 file of ports at 50 and 75 ohm.
2. Files written by scikit-rf (real/imaginary, dB/angle, and 75 ohm data) are read into a
   2-port data block (BLOCKSCHEMATIC makes the schematic through our reader) and simulated;
   the S-parameters must be scikit-rf's network between 50 ohm ports.

Run with Debian's /usr/bin/python3 and python3-scikit-rf.
"""

import atexit
import os
import re
import shutil
import subprocess
import sys
import tempfile

import numpy as np

# Debian 12's scikit-rf 0.15.4 still calls numpy.complex, an alias numpy 1.24 removed; its
# Y/Z conversions (capacitors, inductors, renormalize) fail without it.
if "complex" not in np.__dict__:
    np.complex = complex

import skrf as rf  # noqa: E402

CLI, BLOCK, EXAMPLES = sys.argv[1:4]
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def run(*args):
    r = subprocess.run(list(args), capture_output=True, text=True)
    if r.returncode != 0:
        raise RuntimeError(" ".join(args) + " failed: " + r.stderr)
    return r.stdout


def csv(cct):
    """Frequencies and the (n, 2, 2) S-matrices of a run; absent parameters are NaN."""
    rows = run(CLI, "simulate", cct, "--format", "csv").splitlines()[1:]
    f = np.array([float(r.split(",")[0]) for r in rows])
    s = np.full((len(rows), 2, 2), np.nan, dtype=complex)
    for i, r in enumerate(rows):
        v = [float(x) if x else np.nan for x in r.split(",")[1:]]
        s[i, 0, 0] = complex(v[0], v[1])
        s[i, 1, 0] = complex(v[2], v[3])
        s[i, 0, 1] = complex(v[4], v[5])
        s[i, 1, 1] = complex(v[6], v[7])
    return f, s


def with_port(cct_text, port, key, value):
    """The schematic text with one field of port P1 or P2 changed."""
    start = cct_text.index("P%d{" % port)
    end = cct_text.index("}", start)
    block = re.sub(r"(?m)^%s=.*$" % re.escape(key), "%s=%s" % (key, value),
                   cct_text[start:end])
    return cct_text[:start] + block + cct_text[end:]


def largest(a, b):
    return float(np.max(np.abs(a - b)))


tmp = tempfile.mkdtemp(prefix="norvane_skrf_")
atexit.register(shutil.rmtree, tmp, ignore_errors=True)  # also after a failure

# ---- 1. Our files in scikit-rf --------------------------------------------------------------
for name in ("lowpass3.cct", "rc_divider.cct", "attenuator_block.cct", "welcome.cct"):
    cct = os.path.join(EXAMPLES, name)
    out = os.path.join(tmp, name.replace(".cct", ".s2p"))
    run(CLI, "simulate", cct, "--format", "touchstone", "-o", out)
    net = rf.Network(out)
    f, s = csv(cct)
    check(np.array_equal(net.f, f), name + ": every frequency")
    check(largest(net.s, s) == 0.0, name + ": every S-parameter, exactly (largest difference %g)"
          % largest(net.s, s))
    check(np.all(net.z0 == 50), name + ": 50 ohm reference")

# A 1-port circuit at 75 ohm: the divider with port 2 moved off the circuit.
text = open(os.path.join(EXAMPLES, "rc_divider.cct")).read()
one = with_port(with_port(with_port(text, 2, "pos.x", "-100"), 2, "node.x", "-120"),
                1, "Zo", " 7.50000000000000E+0001")
cct = os.path.join(tmp, "oneport.cct")
open(cct, "w").write(one)
out = os.path.join(tmp, "oneport.s1p")
run(CLI, "simulate", cct, "--format", "touchstone", "-o", out)
net = rf.Network(out)
f, s = csv(cct)
check(net.s.shape == (len(f), 1, 1), "1-port file: one parameter")
check(np.array_equal(net.f, f) and largest(net.s[:, 0, 0], s[:, 0, 0]) == 0.0,
      "1-port file: every value, exactly")
check(np.all(net.z0 == 75), "1-port file: 75 ohm reference")

# Touchstone 2.0: ports at 50 and 75 ohm.
text = open(os.path.join(EXAMPLES, "lowpass3.cct")).read()
cct = os.path.join(tmp, "mixed.cct")
open(cct, "w").write(with_port(text, 2, "Zo", " 7.50000000000000E+0001"))
out = os.path.join(tmp, "mixed.s2p")
run(CLI, "simulate", cct, "--format", "touchstone", "-o", out)
f, s = csv(cct)
try:
    net = rf.Network(out)
    check(np.array_equal(net.f, f) and largest(net.s, s) == 0.0,
          "version 2 file: every value, exactly")
    check(np.allclose(net.z0, [50, 75]), "version 2 file: references 50 and 75 ohm")
except ValueError as e:
    # scikit-rf 0.15.4 knows [Version], [Number of Ports], [Number of Frequencies],
    # [Reference], [Network Data] and [End], but not [Two-Port Data Order]; it then takes
    # every 2-port file in the version 1 order (S21 before S12). Without that one line it
    # reads our file with S12 and S21 exchanged, which is what is checked.
    print("note  scikit-rf %s cannot read [Two-Port Data Order]: %s" % (rf.__version__, e))
    lines = open(out).read().splitlines()
    reduced = os.path.join(tmp, "mixed_v2_without_order.s2p")
    open(reduced, "w").write("\n".join(l for l in lines if not l.startswith("[Two-Port")))
    net = rf.Network(reduced)
    swapped = net.s.transpose(0, 2, 1)
    check(np.array_equal(net.f, f) and largest(swapped, s) == 0.0,
          "version 2 file (12_21 order) without its order line: every value, exactly")

# ---- 2. scikit-rf's files in a 2-port block ---------------------------------------------------
freq = rf.Frequency(10, 1000, 100, "mhz")
media = rf.media.DefinedGammaZ0(frequency=freq, z0=50)
network = (media.attenuator(-3) ** media.line(60, "deg") ** media.shunt_capacitor(2e-12)
           ** media.inductor(20e-9))
network.name = "skrf_made"

cases = (("ri", 50, 1e-9), ("db", 50, 1e-6), ("ri", 75, 1e-9))
for form, z0, tolerance in cases:
    # Angles in degrees are read with the program's factor 0.017453292, 2e-9 short of pi/180,
    # hence the wider tolerance for the dB/angle file.
    written = network.copy()
    if z0 != 50:
        written.renormalize(z0)
    stem = "skrf_%s_%d" % (form, z0)
    written.write_touchstone(filename=stem, dir=tmp, form=form)
    s2p = os.path.join(tmp, stem + ".s2p")
    cct = os.path.join(tmp, stem + ".cct")
    note = run(BLOCK, s2p, cct).strip()
    want_note = "" if z0 == 50 else "Converted from %d ohm to 50 ohm" % z0
    check(note == want_note, "%s: reader's note '%s'" % (stem, note))
    f, s = csv(cct)
    check(np.allclose(f, network.f, rtol=1e-14, atol=0), stem + ": block swept at the file's points")
    check(largest(s, network.s) < tolerance,
          "%s: block simulates as scikit-rf's network (largest difference %g)"
          % (stem, largest(s, network.s)))

if failures:
    print("%d check(s) failed" % len(failures))
    sys.exit(1)
print("all checks passed")
