# Sourced by the bench scripts once they stand in the source folder, with `script` naming the
# script itself: --help prints the script's leading comment, and an option the script does not
# know ends it with status 2 before any work.
usage() { awk 'NR > 1 { if (!sub(/^# ?/, "")) exit; print }' "$script"; }
fail() { echo "${script##*/}: $1 (see --help)" >&2; exit 2; }

# Answers --help and refuses every long option, up to "--"; the script reads its own short ones.
take_long_options() {
  local arg
  for arg in "$@"; do
    case $arg in
      --help | -h) usage; exit 0 ;;
      --) return 0 ;;
      --*) fail "unknown option $arg" ;;
    esac
  done
}
