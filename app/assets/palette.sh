# The colours of the program's pictures and icon, shared by make-pictures.sh and make-icons.sh.
# shellcheck disable=SC2034 # each script uses its own share of them
khaki_light='#ddd3a6'
khaki='#c4b683'
olive='#55632e'
olive_dark='#2f3a1a'
sun='#f3a531'
sun_light='#ffd77a'
