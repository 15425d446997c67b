#!/usr/bin/env bash
# Plays the printer side of one print job: writes a small PDF "tmp.pdf" into an output folder
# and the converter settings file "varmiocv.ini" into the Windows folder, as a virtual printer
# does before it starts the wizard in driver mode.
#
# usage: sample-print-job.sh WINDOWS_FOLDER OUTPUT_FOLDER
set -euo pipefail
windir=${1:?usage: sample-print-job.sh WINDOWS_FOLDER OUTPUT_FOLDER}
output=${2:?usage: sample-print-job.sh WINDOWS_FOLDER OUTPUT_FOLDER}
mkdir -p "$windir" "$output"

/usr/bin/python3 - "$output/tmp.pdf" <<'PY'
import sys, time
text = "Sample print job - printed " + time.strftime("%Y-%m-%d %H:%M")
stream = f"BT /F1 20 Tf 72 720 Td ({text}) Tj ET".encode()
objects = [
    b"<< /Type /Catalog /Pages 2 0 R >>",
    b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R"
    b" /Resources << /Font << /F1 5 0 R >> >> >>",
    b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream",
    b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
]
out = bytearray(b"%PDF-1.4\n")
offsets = []
for number, body in enumerate(objects, 1):
    offsets.append(len(out))
    out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
xref = len(out)
out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open(sys.argv[1], "wb").write(out)
PY

printf '[settings]\r\npdf=1\r\nhtm=1\r\npat=%s\r\n' "$output" > "$windir/varmiocv.ini"
echo "Print job ready: $output/tmp.pdf, settings in $windir/varmiocv.ini"
