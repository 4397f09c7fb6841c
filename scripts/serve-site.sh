#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Serves a built site with nginx, as a firm that hosts the page serves it:
# packaging/nginx/kavro-site.conf with its port and folder set, run in the
# foreground by the calling user, its logs and temporary files in a folder
# of its own. Installs nginx and its brotli module when missing.
#
#   scripts/serve-site.sh SITE PORT
set -euo pipefail
cd "$(dirname "$0")/.."
site="$(realpath "$1")"
port="$2"

[ -x /usr/sbin/nginx ] && [ -e /usr/lib/nginx/modules/ngx_http_brotli_static_module.so ] ||
  scripts/install-deps.sh nginx libnginx-mod-http-brotli-static

run="$(mktemp -d "${TMPDIR:-/tmp}/kavro-nginx.XXXXXX")"
trap 'rm -rf "$run"' EXIT
sed -e "s|listen 127.0.0.1:8080;|listen 127.0.0.1:${port};|" -e "s|root /srv/kavro/site;|root ${site};|" \
  packaging/nginx/kavro-site.conf >"$run/site.conf"
cat >"$run/nginx.conf" <<CONF
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
daemon off;
worker_processes 1;
pid $run/nginx.pid;
error_log stderr warn;
events { worker_connections 64; }
http {
    access_log off;
    client_body_temp_path $run/body;
    proxy_temp_path $run/proxy;
    fastcgi_temp_path $run/fastcgi;
    uwsgi_temp_path $run/uwsgi;
    scgi_temp_path $run/scgi;
    sendfile on;
    default_type application/octet-stream;
    include $run/site.conf;
}
CONF
# Not exec: the trap removes the folder once nginx has stopped.
/usr/sbin/nginx -p "$run" -c "$run/nginx.conf" &
nginx=$!
trap 'kill -TERM "$nginx" 2>/dev/null; wait "$nginx"; rm -rf "$run"' EXIT INT TERM
wait "$nginx"
