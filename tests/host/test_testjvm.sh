#!/bin/sh
# Runs TestJvm.class on the host JVM: jvmGood.txt must hold exactly the JVM's
# version line, in the given directory or, when that is missing, in the current
# one. Also checks the class-file version, which decides which JVMs can load it.
# Usage: test_testjvm.sh <directory with TestJvm.class> <javac release>
set -u
classes=$(cd "$1" && pwd) || exit 1
release=$2
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/install" "$work/cwd" "$work/cwd2"

version=$(java -XshowSettings:properties -version 2>&1 | sed -n 's/^ *java\.version = //p')
[ -n "$version" ] || { echo "FAIL: cannot read the host java.version" >&2; exit 1; }
printf '%s\n' "$version" > "$work/expected"

major=$(od -An -tu1 -j6 -N2 "$classes/TestJvm.class" | awk '{ print $1 * 256 + $2 }')
[ "$major" = $((release + 44)) ] || fail "class-file major version $major, expected $((release + 44))"

java -cp "$classes" TestJvm "$work/install" || fail "exit code $? with a directory"
cmp -s "$work/expected" "$work/install/jvmGood.txt" || fail "install/jvmGood.txt is not the version line"

(cd "$work/cwd" && java -cp "$classes" TestJvm "$work/missing") || fail "exit code $? with a missing directory"
cmp -s "$work/expected" "$work/cwd/jvmGood.txt" || fail "no fallback to the current directory for a missing directory"
[ ! -e "$work/missing" ] || fail "the missing directory was created"

(cd "$work/cwd2" && java -cp "$classes" TestJvm) || fail "exit code $? without an argument"
cmp -s "$work/expected" "$work/cwd2/jvmGood.txt" || fail "no fallback to the current directory without an argument"

exit $status
