# The two commands a newcomer runs; both install what they need first.
.PHONY: demo test release

demo:
	tools/demo $(SOURCE)

test:
	tools/run-tests

# Everything that ships, into dist/ (see README, "Releases").
release:
	tools/release
