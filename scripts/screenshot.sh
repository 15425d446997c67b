#!/usr/bin/env bash
# Makes PNG pictures of the real wizard window for the documentation, under xvfb-run, into docs/.
# Every picture gets a throwaway settings store, program folder and Windows folder (nothing of
# yours is touched); the window is driven to its page by the wizard's screenshot hook
# (VARMIO_SCREENSHOT and VARMIO_SCREENSHOT_ACTIONS, described in src/qt/screenshot.h).
#
# usage: scripts/screenshot.sh [BUILD_DIR]     (default: build; configured and built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
out=$root/docs

if [[ ! -x $build/bin/varmio-wizard || ! -x $build/bin/reginst || ! -x $build/bin/varmio-reg ]]; then
    cmake -S . -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --target varmio-wizard reginst varmio-reg
fi
wizard=$build/bin/varmio-wizard
# The version stamp the wizard keeps in the store: with it there, start-up leaves the
# installation data alone instead of importing it again behind our back.
stamp=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt" | tr -d .)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shot NAME LANGUAGE "ACTIONS" [COMMAND LINE WORDS...]
shot() {
    local name=$1 language=$2 actions=$3
    shift 3
    local run=$work/$name
    mkdir -p "$run/home/tmp" "$run/windows" "$run/print"
    export VARMIO_HIVE=$run/registry.db VARMIO_HOME=$run/home WINDIR=$run/windows
    cp data/install.reg data/help.htm data/qdrn.sec "$VARMIO_HOME/"
    "$build/bin/reginst" data/install.reg >/dev/null
    "$build/bin/varmio-reg" add 'HKLM\SOFTWARE\VARMIO\CONFIG' /v MG_VERSION /d "$stamp" /f >/dev/null
    "$build/bin/varmio-reg" add 'HKLM\SOFTWARE\VARMIO\CONFIG' /v Language /d "$language" /f >/dev/null
    scripts/sample-print-job.sh "$WINDIR" "$run/print" >/dev/null
    printf 'Quarterly figures\r\n' >"$run/print/figures.txt"
    [[ -z ${setup:-} ]] || "$setup" "$run"
    local words=("$@")
    words=("${words[@]//@PRINT@/$run/print}")
    actions=${actions//@PRINT@/$run/print}
    (cd "$run" && VARMIO_SCREENSHOT=$out/$name.png VARMIO_SCREENSHOT_ACTIONS=$actions \
        xvfb-run -a -s "-screen 0 1280x800x24" "$root/$wizard" "${words[@]}" 2>&1 |
        grep -v 'XDG_RUNTIME_DIR' || true)
    [[ -s $out/$name.png ]] || { echo "screenshot $name was not made" >&2; exit 1; }
}

# A small intranet: two projects, one document, listed in the store as the current intranet.
intranet() {
    local top=$1/intranet sales=abcdefghijklmnopabcd works=ponmlkjihgfedcbaponm
    local key=ABCDEFGHIJKLMNOPQRSTABCDEFGHIJKLMNOPQRSTABCDEFGHIJ
    mkdir -p "$top/$sales/qrstuabc" "$top/$works"
    printf 'uniquekey:Sales!%s\r\nSales\r\nroot\r\n%s\r\n' "$key" "$sales" >"$top/$sales.FNI"
    printf 'uniquekey:Engineering!%s\r\nEngineering\r\nroot\r\n%s\r\n' "${key}K" "$works" \
        >"$top/$works.FNI"
    printf 'Price list 2025\r\nuniquekey:Sales!%s\r\n%s\r\nindex.htm\r\n' "$key" \
        "$top/$sales/qrstuabc" >"$top/$sales/qrstuabc.dni"
    # The intranet list: name, byte 254, root folder, byte 254, a third field, byte 255.
    "$build/bin/varmio-reg" add 'HKLM\SOFTWARE\VARMIO\CONFIG' /v MYINTRA \
        /d "$(printf 'Company intranet\xfe%s/\xfe\xff' "$top")" /f >/dev/null
}

back_to_options="click cmd_prev; click cmd_prev"
customise="$back_to_options; click chk_mkHTMLtgs; click cmd_next"
texts="$customise; click cmd_next; type cmb_html_title Annual report 2025;
    type cmb_html_meta annual report, figures, outlook; click chk_frtxt_top;
    type txt_freetext_top Our year in numbers: the full report and the tables behind it.;
    click chk_frtxt_bot; type txt_freetext_bot Questions? Write to the editors."
links="$customise; click cmd_next; click cmd_next; click chk_add_links;
    click cmd_add_link(0); type frm_Input_Link.txt_LNK_NAME Company home;
    type frm_Input_Link.txt_LNK_URL http://www.example.com/; click frm_Input_Link.cmd_ok;
    click cmd_add_link(0); type frm_Input_Link.txt_LNK_NAME Annual reports;
    type frm_Input_Link.txt_LNK_URL http://www.example.com/reports/"
manual="type cmb_manual_file @PRINT@/tmp.pdf; key cmb_manual_file 13;
    type cmb_manual_file @PRINT@/figures.txt; key cmb_manual_file 13; select lvwFiles 2"

mkdir -p "$out"
shot wizard-delivery English ""                        drv
shot wizard-files-manual English "$manual"
shot wizard-texts English "$texts"                     drv
shot wizard-links-dialog English "$links"              drv
setup=intranet shot wizard-intranet English "click cmd_intra_cfg; node tvwIntra 2" /intraman
shot wizard-delivery-de Deutsch ""                     drv
shot wizard-links-dialog-de Deutsch "$links"           drv
echo "Screenshots in $out:"
ls -1 "$out"/wizard-*.png
