#!/usr/bin/env bash
# A class folder on a real school server: a private Samba server (smbd) shares
# a class of two children; two computers of the computer room, PC-07 and
# PC-08, each mount the share with the FUSE client smbnetfs and run the real
# program on the class folder there, each in a namespace of its own with its
# own host name and on a virtual screen of its own. Each row starts the
# trainers it needs, types as a child would and checks the bytes on the
# server's own folder; the server and the mounts stay for every row.
# Usage: school_share_test.sh PROGRAM X_KEYS BOXES_PLUGIN SAMPLE_FOLDER
# (BOXES_PLUGIN: the plugin that writes down each message box the program shows)
# Ends with 77 (skipped) where the machine cannot run it.
set -euo pipefail
program=$(realpath "$1") keys=$(realpath "$2") plugins=$(dirname "$(dirname "$(realpath "$3")")") sample=$4
PATH=$PATH:/usr/sbin:/sbin
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "a Samba server, FUSE mounts and namespaces need root"
[ -c /dev/fuse ] || skip "no /dev/fuse: FUSE mounts cannot run here"
for tool in smbd smbnetfs Xvfb unshare setsid hostname pgrep; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/setup installs it)"
done
! (exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null || skip "port 445 is taken: another SMB server runs here"

work=$(mktemp -d)
share="$work/share"      # the server's own folder
smbd_pid=
declare -A display mount xvfb_pid client_pid trainer_pid
cleanup() {
  local host
  set +e
  exec 2>/dev/null # the shell's notes on the processes ended here
  for host in "${!trainer_pid[@]}"; do kill -KILL "${trainer_pid[$host]}" && wait "${trainer_pid[$host]}"; done
  for host in "${!client_pid[@]}"; do
    umount "$work/$host/mnt" || umount -l "$work/$host/mnt"
    kill -KILL "${client_pid[$host]}"
  done
  [ -n "$smbd_pid" ] && kill -KILL -- "-$smbd_pid"
  for host in "${!xvfb_pid[@]}"; do kill -KILL "${xvfb_pid[$host]}"; done
  wait "$smbd_pid" "${client_pid[@]}" "${xvfb_pid[@]}"
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP PIPE
fail() { echo "FAILED: $*"; tail -n 5 "$work"/log/*.log 2>/dev/null; exit 1; }
# waitFor CONDITION [SECONDS]: polls the shell condition until it holds
waitFor() {
  local deadline=$((SECONDS + ${2:-10}))
  until eval "$1"; do [ "$SECONDS" -lt "$deadline" ] || return 1; sleep 0.05; done
}

# --- the server -------------------------------------------------------------
mkdir -p "$work"/{private,lock,state,cache,pid,log} "$share"
chmod 0700 "$work/private"
cat > "$work/smb.conf" <<CONF
[global]
  server role = standalone server
  smb ports = 445
  interfaces = 127.0.0.1
  bind interfaces only = yes
  disable netbios = yes
  private dir = $work/private
  passdb backend = tdbsam:$work/private/passdb.tdb
  lock directory = $work/lock
  state directory = $work/state
  cache directory = $work/cache
  pid directory = $work/pid
  ncalrpc dir = $work/lock/ncalrpc
  log file = $work/log/smbd.log
  log level = 1
  map to guest = Bad User
  load printers = no
  printcap name = /dev/null
  disable spoolss = yes
[schule]
  path = $share
  read only = no
  guest ok = yes
  force user = root
CONF
# its own session, so a row can stop or end the server with all its processes
startServer() {
  setsid smbd --foreground --no-process-group --configfile="$work/smb.conf" </dev/null >>"$work/log/smbd.out" 2>&1 &
  smbd_pid=$!
  waitFor '(exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null' || fail "smbd does not listen on port 445"
}
stopServer() { kill -STOP -- "-$smbd_pid"; }   # the cable out: no answer at all
resumeServer() { kill -CONT -- "-$smbd_pid"; }
endServer() { kill -KILL -- "-$smbd_pid"; wait "$smbd_pid" 2>/dev/null || true; smbd_pid=; }

# the class as the teacher made it, laid anew on the server for each row
class="$share/Klasse"
newClass() {
  rm -rf "$class"
  for child in Anna Ben; do
    mkdir -p "$class/$child"
    cp "$sample"/ZEKCARDS.INI "$sample"/ZEKCARD[123].LST "$class/$child/"
    chmod u+w "$class/$child"/*
  done
}

# --- the computers ----------------------------------------------------------
# startComputer HOST: a virtual screen and the share mounted, as on a computer
# of the computer room; its home folder holds the mount's settings
startComputer() {
  local host=$1 home="$work/$1/home"
  mkdir -p "$home/.smb" "$work/$1/mnt"
  printf '[global]\n' >"$home/.smb/smb.conf" # the machine's Samba settings stay unread
  printf 'smb_query_browsers "false"\nlog_file "%s"\n' "$work/log/smbnetfs-$host.log" >"$home/.smb/smbnetfs.conf"
  HOME="$home" smbnetfs "$work/$host/mnt" -f -o "config=$home/.smb/smbnetfs.conf" </dev/null >/dev/null 2>&1 &
  client_pid[$host]=$!
  mount[$host]="$work/$host/mnt/127.0.0.1/schule"
  waitFor "[ -d '${mount[$host]}/Klasse/Anna' ]" 20 || fail "$host cannot reach the share"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/$host/display" >/dev/null 2>&1 &
  xvfb_pid[$host]=$!
  waitFor "[ -s '$work/$host/display' ]" || fail "no virtual screen for $host"
  display[$host]=:$(cat "$work/$host/display")
}
# startTrainer HOST: the class's menu entry on that computer, the class folder
# of its mount; in its own UTS and PID namespace named HOST
startTrainer() {
  local host=$1
  : >"$work/$host/boxes"
  (cd "$work/$host/home" && DISPLAY=${display[$host]} HOME="$work/$host/home" QT_QPA_PLATFORM=xcb \
     CUPS_SERVER="$work/none.sock" SPEECHD_ADDRESS=unix_socket:/nonexistent/speechd.sock \
     QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=zekboxesshown ZEK_BOXES_SHOWN="$work/$host/boxes" \
     exec unshare --uts --pid --fork --kill-child --mount-proc \
       sh -c 'hostname "$1" && shift && "$@"' sh "$host" "$program" --klasse "${mount[$host]}/Klasse") >/dev/null 2>&1 &
  trainer_pid[$host]=$!
}
# the program's own process: the child of the namespace's first process
programPid() { pgrep -P "$(pgrep -P "${trainer_pid[$1]}")"; }
# keys HOST TITLE [KEY...]: types at the window of that title on that computer
keys() { local host=$1; shift; DISPLAY=${display[$host]} "$keys" "$@"; }
# choose HOST CHILD: the child's name in "Wer übt heute?" (Anna's comes first
# and has the keyboard, Tab goes on to Ben's)
choose() {
  local steps=(space)
  [ "$2" = Ben ] && steps=(Tab space)
  keys "$1" "Wer übt heute?" "${steps[@]}" || fail "no window \"Wer übt heute?\" on $1"
}
# answer HOST: the first card of box 1 typed right in the main window
answer() { keys "$1" "ZEK-Rechtschreibkartei" "$word" || fail "no main window on $1"; }
# the message boxes the trainer on that computer has shown, a line each:
# "title | text | [button] [button]"
boxesOn() { cat "$work/$1/boxes"; }
shownOn() { grep -qxF "$2" "$work/$1/boxes"; }
# endTrainer HOST: the end from outside, which saves and releases the box
endTrainer() {
  local host=$1 pid rc=0
  pid=$(programPid "$host") || fail "the trainer on $host does not run"
  kill -TERM "$pid"
  wait "${trainer_pid[$host]}" || rc=$?
  unset "trainer_pid[$host]"
  [ "$rc" = 0 ] || fail "the trainer on $host ended with $rc on SIGTERM"
}
# killTrainer HOST: the trainer ended as by a crash, SIGKILL: nothing saved, the lock left
killTrainer() {
  kill -KILL "$(programPid "$1")" || fail "the trainer on $1 does not run"
  wait "${trainer_pid[$1]}" || true
  unset "trainer_pid[$1]"
}

# the first card of box 1 and its card file, byte for byte, once it has been answered right
word=$(grep -a -m1 '^1, ' "$sample/ZEKCARD1.LST" | cut -d, -f2 | tr -d ' ')
sed "0,/^1, $word,/s//2, $word,/" "$sample/ZEKCARD1.LST" >"$work/answered"
answeredIn() { cmp -s "$class/$1/ZEKCARD1.LST" "$work/answered"; }
recordedIn() { grep -q ";Deutsch;$word;1;2;richtig" "$class/$1/Verlauf.csv" 2>/dev/null; }
openIn() { [ -e "$class/$1/ZEK-Rechtschreibkartei.lock" ]; }

# --- the rows ---------------------------------------------------------------
# Anna on PC-07 and Ben on PC-08 at once: each answer is on the server
twoChildrenAtOnce() {
  startTrainer PC-07
  startTrainer PC-08
  choose PC-07 Anna
  choose PC-08 Ben
  waitFor 'openIn Anna && openIn Ben' || fail "the two boxes were not opened"
  answer PC-07
  answer PC-08
  waitFor 'answeredIn Anna && answeredIn Ben' || fail "an answer is not in its box on the server"
  waitFor 'recordedIn Anna && recordedIn Ben' || fail "an answer is not in its child's record on the server"
  endTrainer PC-07
  endTrainer PC-08
  ! openIn Anna && ! openIn Ben || fail "a box stayed locked"
  [ "$(boxesOn PC-07)$(boxesOn PC-08)" = "" ] || fail "boxes: $(boxesOn PC-07; boxesOn PC-08)"
}

# Anna open on PC-07: on PC-08 her name is refused, her box left alone
sameChildTwiceRefused() {
  startTrainer PC-07
  choose PC-07 Anna
  waitFor 'openIn Anna' || fail "Anna's box was not opened"
  waitFor 'grep -qx PC-07 "$class/Anna/ZEK-Rechtschreibkartei.lock"' || fail "the lock does not name PC-07"
  startTrainer PC-08
  choose PC-08 Anna
  local refused="ZEK-Rechtschreibkartei | Die ZEK-Rechtschreibkartei ist in diesem Ordner schon geöffnet. | [OK]"
  waitFor 'shownOn PC-08 "$refused"' || fail "PC-08 did not refuse Anna's box: $(boxesOn PC-08)"
  keys PC-08 "ZEK-Rechtschreibkartei" Return || fail "no message box on PC-08"
  openIn Anna && cmp -s "$class/Anna/ZEKCARD1.LST" "$sample/ZEKCARD1.LST" || fail "PC-08 touched Anna's box"
  endTrainer PC-08
  endTrainer PC-07
  ! openIn Anna || fail "Anna's box stayed locked"
  [ "$(boxesOn PC-07)" = "" ] && [ "$(boxesOn PC-08)" = "$refused" ] || fail "other boxes: $(boxesOn PC-07; boxesOn PC-08)"
}

newClass
startServer
startComputer PC-07
startComputer PC-08
passed=0
echo "the server and two computers ready after ${SECONDS} s"
for row in twoChildrenAtOnce sameChildTwiceRefused; do
  newClass
  start=$SECONDS
  "$row"
  echo "passed: $row ($((SECONDS - start)) s)"
  passed=$((passed + 1))
done
echo "$passed passed, 0 failed"
