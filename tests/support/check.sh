# Counting checks in the scripts that drive the real program. Source it, then:
#   check WHAT CMD...   runs CMD; counts its success in passed or its failure in failed,
#                       naming WHAT when it fails
passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}
