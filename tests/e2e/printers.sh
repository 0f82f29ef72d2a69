# Printers for the end-to-end tests, sourced by run.sh: a CUPS daemon of the
# run's own (its configuration, spool and socket under $1) with two cups-pdf
# queues, "PDF" (the default) and "PDF2". Each job becomes a PDF file in
# $HOME/PDF. The daemon must be up before the Wine session starts: a program
# started while the queues did not answer waited for them.
#
# start_printers DIR exports CUPS_SERVER for the programs under test, or
# LUMO_PRINTERS_ERROR with the reason when the daemon could not start, so
# that the printing tests fail with it instead of waiting. stop_printers
# ends the daemon.

printers_pid=""

start_printers() {
    local dir=$1
    rm -rf "$dir"
    mkdir -p "$dir"/{conf,spool,cache,state,log,tmp}
    chmod 755 "$dir"
    chgrp lp "$dir"/spool "$dir"/cache "$dir"/tmp 2>/dev/null || true
    chmod 770 "$dir"/spool "$dir"/cache "$dir"/tmp
    cat >"$dir/conf/cupsd.conf" <<CONF
LogLevel warn
Listen $dir/cups.sock
Browsing Off
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
CONF
    if ! command -v cupsd >/dev/null; then
        export LUMO_PRINTERS_ERROR="cupsd is not installed (scripts/setup.sh installs it)"
        return
    fi
    cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    printers_pid=$!
    for _ in $(seq 100); do
        [ -S "$dir/cups.sock" ] && break
        kill -0 "$printers_pid" 2>/dev/null || break
        sleep 0.1
    done
    export CUPS_SERVER=$dir/cups.sock
    local ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
    if [ ! -S "$dir/cups.sock" ] ||
        ! timeout 30 lpadmin -p PDF -v cups-pdf:/ -E -m "$ppd" >>"$dir/log/lpadmin.out" 2>&1 ||
        ! timeout 30 lpadmin -p PDF2 -v cups-pdf:/ -E -m "$ppd" >>"$dir/log/lpadmin.out" 2>&1 ||
        ! timeout 30 lpadmin -d PDF >>"$dir/log/lpadmin.out" 2>&1; then
        export LUMO_PRINTERS_ERROR="the CUPS daemon or its queues did not start; see $dir/log"
        stop_printers
    fi
}

stop_printers() {
    [ -n "$printers_pid" ] || return 0
    kill "$printers_pid" 2>/dev/null || true
    wait "$printers_pid" 2>/dev/null || true
    printers_pid=""
}
