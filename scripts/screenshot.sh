#!/usr/bin/env bash
# Makes PNG pictures of the real wizard window for the documentation, under xvfb-run, into docs/.
# Every picture gets a throwaway settings store, program folder and Windows folder (nothing of
# yours is touched); the window is driven to its page by the wizard's screenshot hook
# (VARMIO_SCREENSHOT and VARMIO_SCREENSHOT_ACTIONS, described in src/qt/screenshot.h).
#
# usage: scripts/screenshot.sh [--every-page DIR] [BUILD_DIR]
#   BUILD_DIR defaults to build (configured and built if needed). The pictures the documentation
#   shows go to docs/; with --every-page, every page in English and German goes to DIR instead,
#   for looking the window over after a change to its layout.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/docs
every=
if [[ ${1:-} == --every-page ]]; then
    every=1
    out=$(realpath -m "${2:?--every-page needs a folder}")
    shift 2
fi
build=${1:-build}

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
    actions=${actions//@FTP_PORT@/${ftp_port:-}}
    # palette=dark: a dark desktop theme's colours; font_dpi=144: fonts at 150 %.
    local look=()
    [[ -z ${palette:-} ]] || look+=(VARMIO_SCREENSHOT_PALETTE=$palette)
    [[ -z ${font_dpi:-} ]] || look+=(QT_FONT_DPI=$font_dpi)
    (cd "$run" && env "${look[@]}" "VARMIO_SCREENSHOT=$out/$name.png" \
        "VARMIO_SCREENSHOT_ACTIONS=$actions" \
        xvfb-run -a -s "-screen 0 1600x1000x24" "$root/$wizard" "${words[@]}" 2>&1 |
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

# A slow FTP server (the tests' server, taking 300 kB a second) and a printed document grown to
# 20 MiB to send to it, for the picture of a send in progress. The server ends with this script.
slow_ftp() {
    mkdir -p "$1/ftp"
    truncate -s 20M "$1/print/tmp.pdf"
    /usr/bin/python3 tests/delivery/ftp_server.py "$1/ftp" "$1/ftp.port" --read-limit 300000 &
    for _ in $(seq 100); do [[ -s $1/ftp.port ]] && break; sleep 0.1; done
    ftp_port=$(cat "$1/ftp.port")
}

# The wizard in driver mode starts on the delivery page with a printed document; Back twice
# reaches the web page options, and ticking the custom layout leads through the content pages.
back_to_options="click cmd_prev; click cmd_prev"
customise="$back_to_options; click chk_mkHTMLtgs; click cmd_next"
header_footer="$customise; click chk_HTMLhead; type cmb_htmlhead /srv/www/parts/header.htm;
    click chk_HTMLfoot; type cmb_htmlfoot /srv/www/parts/footer.htm"
texts="$customise; click cmd_next; type cmb_html_title Annual report 2025;
    type cmb_html_meta annual report, figures, outlook; click chk_frtxt_top;
    type txt_freetext_top Our year in numbers: the full report and the tables behind it.;
    click chk_frtxt_bot; type txt_freetext_bot Questions? Write to the editors."
links="$customise; click cmd_next; click cmd_next; click chk_add_links;
    click cmd_add_link(0); type frm_Input_Link.txt_LNK_NAME Company home;
    type frm_Input_Link.txt_LNK_URL http://www.example.com/; click frm_Input_Link.cmd_ok;
    click cmd_add_link(0); type frm_Input_Link.txt_LNK_NAME Annual reports;
    type frm_Input_Link.txt_LNK_URL http://www.example.com/reports/"
presentation="$customise; click cmd_next; click cmd_next; click cmd_next"
manual="type cmb_manual_file @PRINT@/tmp.pdf; key cmb_manual_file 13;
    type cmb_manual_file @PRINT@/figures.txt; key cmb_manual_file 13; select lvwFiles 2"
ftp="click cmd_ftp; type txt_FTP_Serv ftp.example.com; type txt_FTP_User editor"
account="click cmd_mail; click cmd_mail_account;
    type frm_Mail_Account.txt_ACC_FROM editors@example.com;
    type frm_Mail_Account.txt_ACC_SERVER smtp.example.com;
    type frm_Mail_Account.txt_ACC_USER editors; type frm_Mail_Account.txt_ACC_PASS secret"
sending="click cmd_ftp; type txt_FTP_Serv 127.0.0.1:@FTP_PORT@;
    type txt_FTP_User guest; type txt_FTP_Pass secret; click cmd_next; click cmd_next"
mail="click cmd_mail; type txt_MAIL_RECIP editors@example.com;
    type txt_MAIL_CAP Annual report 2025;
    type txt_MAIL_MESS Here is the annual report as a web page, with the printed document."

mkdir -p "$out"
if [[ -n $every ]]; then
    for language in English Deutsch; do
        suffix=${language,,}
        shot files-manual-$suffix $language "$manual"
        shot files-list-$suffix $language "" @PRINT@/tmp.pdf @PRINT@/figures.txt
        shot web-page-$suffix $language "$back_to_options" drv
        shot header-footer-$suffix $language "$header_footer" drv
        shot texts-$suffix $language "$texts" drv
        shot links-dialog-$suffix $language "$links" drv
        shot presentation-$suffix $language "$presentation" drv
        shot preview-$suffix $language "click cmd_prev" drv
        shot delivery-$suffix $language "" drv
        shot ftp-$suffix $language "$ftp" drv
        shot mail-$suffix $language "$mail" drv
        shot mail-account-$suffix $language "$account" drv
        shot folder-$suffix $language "click cmd_unc" drv
        setup=intranet shot intranet-$suffix $language "click cmd_intra_cfg; node tvwIntra 2" /intraman
    done
    echo "Every page in $out"
    exit 0
fi
rm -f "$out"/wizard-*.png
shot wizard-files-manual English "$manual"
shot wizard-web-page English "$back_to_options"        drv
shot wizard-header-footer English "$header_footer"     drv
shot wizard-texts English "$texts"                     drv
shot wizard-links-dialog English "$links"              drv
shot wizard-delivery English ""                        drv
shot wizard-ftp English "$ftp"                         drv
shot wizard-mail English "$mail"                       drv
shot wizard-mail-account English "$account"           drv
shot wizard-folder English "click cmd_unc"             drv
setup=slow_ftp shot wizard-send-progress English "$sending" drv
setup=intranet shot wizard-intranet English "click cmd_intra_cfg; node tvwIntra 2" /intraman
shot wizard-delivery-de Deutsch ""                     drv
shot wizard-texts-de Deutsch "$texts"                  drv
shot wizard-links-dialog-de Deutsch "$links"           drv
# Themes and sizes: the light and the dark colours, fonts at 150 % in both languages.
shot wizard-theme-light English "$links"               drv
palette=dark shot wizard-theme-dark English "$links"   drv
palette=dark setup=intranet shot wizard-theme-dark-intranet English \
    "click cmd_intra_cfg; node tvwIntra 2" /intraman
font_dpi=144 shot wizard-font-150 English "$texts"     drv
font_dpi=144 shot wizard-font-150-de Deutsch "$links"  drv
shot wizard-mail-account-de Deutsch "$account"         drv
echo "Screenshots in $out:"
ls -1 "$out"/wizard-*.png
