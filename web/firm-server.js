// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The firm's server as the page sees it: whether the page came from one,
// who is signed in, and every request the page's screens and the sync make
// to it. A page served as a plain static site has no server: `present`
// stays false and nothing of the firm is shown. Who signed in last is
// remembered in this browser, so that a page started offline keeps
// working as that person on what it last had.

const API = 'api/v1/';
const WHO = 'kavro.firm.who';

export const NOT_SIGNED_IN = 'Сеанс на сервере фирмы завершён: войдите снова. Всё сделанное на этом устройстве сохранено.';
export const OFFLINE = 'Нет связи с сервером фирмы. Попробуйте, когда связь появится.';

// A refusal of the server, with its status and the reason in its words.
export class ServerError extends Error {
  constructor(status, message) {
    super(message);
    this.name = 'ServerError';
    this.status = status;
  }
}

function remembered() {
  try {
    return JSON.parse(localStorage.getItem(WHO) ?? 'null');
  } catch {
    return null;
  }
}

function remember(who) {
  try {
    if (who) localStorage.setItem(WHO, JSON.stringify(who));
    else localStorage.removeItem(WHO);
  } catch {
    // only an offline start forgets who was signed in
  }
}

function minutes(seconds) {
  const m = Math.max(1, Math.ceil(Number(seconds) / 60));
  return `${m} мин.`;
}

export class FirmServer {
  constructor(fetcher = (...a) => fetch(...a)) {
    this.fetcher = fetcher;
    this.present = false; // the page came from a firm's server
    this.online = true; // the last request reached it
    this.who = null; // { login, role } of the person signed in
    this.listeners = new Set();
    // What the sync tells of edits not yet confirmed by the server.
    this.pending = { count: () => 0, orders: () => [] };
  }

  get signedIn() {
    return this.who !== null;
  }

  get admin() {
    return this.who?.role === 'admin';
  }

  // LISTENER() is called whenever presence, sign-in or reachability change.
  onChange(listener) {
    this.listeners.add(listener);
    return () => this.listeners.delete(listener);
  }

  changed() {
    for (const listener of this.listeners) listener(this);
  }

  // Asks the server who is signed in. 401 tells a server with nobody
  // signed in; no answer at all (offline) keeps whoever signed in last;
  // any other answer (a static site's 404) is no server.
  async find() {
    // Set by the firm's server on the page it serves; a static site's page
    // asks nothing.
    if (!document.cookie.split('; ').includes('kavro_server=1')) return this.changed();
    const last = remembered();
    let reply;
    try {
      // A network that never answers is offline too, not a page held up.
      reply = await this.fetcher(`${API}me`, { credentials: 'same-origin', cache: 'no-store', signal: AbortSignal.timeout(5000) });
    } catch {
      Object.assign(this, { present: last !== null, online: false, who: last });
      return this.changed();
    }
    this.online = true;
    if (reply.status === 401) {
      Object.assign(this, { present: true, who: null });
    } else if (reply.ok && (reply.headers.get('content-type') ?? '').includes('json')) {
      const { login, role } = await reply.json();
      this.setWho({ login, role });
      this.present = true;
    } else {
      this.present = false;
    }
    this.changed();
  }

  setWho(who) {
    this.who = who;
    remember(who);
  }

  // Resolves to who signed in; throws the refusal in the user's words.
  async signIn(login, password) {
    let reply;
    try {
      reply = await this.fetcher(`${API}sign-in`, {
        method: 'POST', credentials: 'same-origin', headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify({ login, password }),
      });
    } catch {
      throw new Error(`${OFFLINE} Войти можно только при связи с сервером.`);
    }
    if (reply.status === 401) throw new Error('Неверный логин или пароль.');
    if (reply.status === 429) {
      throw new Error(`Слишком много неудачных попыток входа. Попробуйте снова через ${minutes(reply.headers.get('Retry-After'))}`);
    }
    if (!reply.ok) throw new Error(`Сервер не принял вход: ${await reasonOf(reply)}`);
    this.online = true;
    const me = await this.json('GET', 'me');
    this.setWho({ login: me.login, role: me.role });
    this.changed();
    return this.who;
  }

  // Ends the session on the server when it can be reached; this browser
  // forgets it either way.
  async signOut() {
    try {
      await this.fetcher(`${API}sign-out`, { method: 'POST', credentials: 'same-origin' });
    } catch {
      // the session ends by itself on the server
    }
    this.setWho(null);
    this.changed();
  }

  // A request to the API: PATH under /api/v1/, BODY an object (sent as
  // JSON), a string or bytes. Resolves to the Response when it succeeded;
  // throws a ServerError with the reason otherwise.
  async request(method, path, body = undefined, type = 'application/json') {
    const init = { method, headers: {} };
    if (body !== undefined) {
      const json = typeof body === 'object' && !(body instanceof Uint8Array);
      init.body = json ? JSON.stringify(body) : body;
      init.headers['Content-Type'] = type;
    }
    let reply;
    try {
      reply = await this.carry(`${API}${path}`, init);
    } catch {
      throw new ServerError(0, OFFLINE);
    }
    if (reply.status === 401) throw new ServerError(401, NOT_SIGNED_IN);
    if (!reply.ok) throw new ServerError(reply.status, await reasonOf(reply));
    return reply;
  }

  // A request, PATH from the site's root: the Response whatever its
  // status, a rejection when no answer came; the sync uses it as it is.
  // Whether the server was reached, and a session gone (401: expired, the
  // person disabled), are noted here for every request: the page is then
  // signed out, and keeps everything it has.
  async carry(path, init) {
    let reply;
    try {
      reply = await this.fetcher(path, { ...init, credentials: 'same-origin', cache: 'no-store' });
    } catch (error) {
      if (this.online && !init?.signal?.aborted) {
        this.online = false;
        this.changed();
      }
      throw error;
    }
    if (!this.online) {
      this.online = true;
      this.changed();
    }
    if (reply.status === 401 && this.who) {
      this.setWho(null);
      this.changed();
    }
    return reply;
  }

  async json(method, path, body) {
    return (await this.request(method, path, body)).json();
  }

  async bytes(path) {
    return new Uint8Array(await (await this.request('GET', path)).arrayBuffer());
  }
}

async function reasonOf(reply) {
  try {
    const { error } = await reply.json();
    if (error) return error;
  } catch {
    // not the API's own refusal
  }
  return `ответ ${reply.status}`;
}
